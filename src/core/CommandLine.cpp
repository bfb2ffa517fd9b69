#include "core/CommandLine.h"

#include "core/Text.h"

namespace porutena {

namespace {

bool IsSeparator(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

// Length of the character at `i`: two bytes for a lead byte with a second byte after it.
std::size_t CharLength(std::string_view text, std::size_t i) {
    return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> items;
    std::size_t i = 0;
    for (;;) {
        while (i < text.size() && IsSeparator(text[i]))
            ++i;
        if (i + 1 < text.size() && text[i] == '"' && text[i + 1] == '"') {
            i += 2;
            continue;
        }
        if (i == text.size())
            return items;

        std::string item;
        bool quoted = false;
        while (i < text.size() && (quoted || !IsSeparator(text[i]))) {
            if (text[i] == '"') {
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

} // namespace porutena
