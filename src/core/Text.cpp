#include "core/Text.h"

namespace porutena {

namespace {

// Calls `visit(index, isSingleByte)` for the start of each character.
template <typename Visit> void ForEachChar(std::string_view text, Visit visit) {
    for (std::size_t i = 0; i < text.size();) {
        const bool lead = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        visit(i, !lead);
        i += lead ? 2 : 1;
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::size_t LastDelimiter(std::string_view delimiters, std::string_view text) {
    std::size_t found = std::string_view::npos;
    ForEachChar(text, [&](std::size_t i, bool single) {
        if (single && delimiters.find(text[i]) != std::string_view::npos)
            found = i;
    });
    return found;
}

bool EndsWithChar(std::string_view text, char c) {
    bool result = false;
    ForEachChar(text, [&](std::size_t i, bool single) { result = single && text[i] == c; });
    return result;
}

std::string ReplaceBackslash(std::string_view text, std::string_view replacement) {
    std::string out;
    out.reserve(text.size());
    ForEachChar(text, [&](std::size_t i, bool single) {
        if (single && text[i] == '\\')
            out += replacement;
        else
            out += text.substr(i, single ? 1 : 2);
    });
    return out;
}

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;

    std::uint64_t value = 0;
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    for (; i < text.size(); ++i) {
        const int digit = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (value > limit)
            return std::nullopt;
    }
    // Hex digits are a 32-bit two's-complement pattern; the sign then negates it.
    const auto pattern = static_cast<std::uint32_t>(value);
    const std::uint32_t result = negative ? 0u - pattern : pattern;
    return static_cast<std::int32_t>(result);
}

std::string IntToStr(std::int32_t value) { return std::to_string(value); }

} // namespace porutena
