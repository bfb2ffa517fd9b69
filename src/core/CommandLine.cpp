#include "core/CommandLine.h"

#include "core/Text.h"

#include <string>

namespace porutena {

namespace {

template <typename Char> bool IsSeparator(Char c) {
    const auto code = std::char_traits<Char>::to_int_type(c);
    return code >= 1 && code <= 32;
}

// Length of the character at `i`: two bytes for a lead byte with a second byte after it.
std::size_t CharLength(std::string_view text, std::size_t i) {
    return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// No unit of a UTF-16 surrogate pair is a separator or a quote.
std::size_t CharLength(std::wstring_view, std::size_t) {
    return 1;
}

template <typename Char>
std::vector<std::basic_string<Char>> Split(std::basic_string_view<Char> text) {
    constexpr Char Quote = '"';
    text = text.substr(0, text.find(Char()));
    std::vector<std::basic_string<Char>> items;
    std::size_t i = 0;
    for (;;) {
        while (i < text.size() && IsSeparator(text[i]))
            ++i;
        if (i + 1 < text.size() && text[i] == Quote && text[i + 1] == Quote) {
            i += 2;
            continue;
        }
        if (i == text.size())
            return items;

        std::basic_string<Char> item;
        bool quoted = false;
        while (i < text.size() && (quoted || !IsSeparator(text[i]))) {
            if (text[i] == Quote) {
                quoted = !quoted;
                ++i;
                continue;
            }
            const std::size_t length = CharLength(text, i);
            item.append(text.substr(i, length));
            i += length;
        }
        items.push_back(std::move(item));
    }
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view text) {
    return Split(text);
}

std::vector<std::wstring> SplitCommandLine(std::wstring_view text) {
    return Split(text);
}

} // namespace porutena
