#include "core/Text.h"

namespace porutena {

namespace {

// Length of the character starting at `i`; a lead byte at the very end stands alone.
std::size_t CharLength(std::string_view text, std::size_t i) {
    return IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// Calls `visit(index, isSingleByte)` for the start of each character.
template <typename Visit> void ForEachChar(std::string_view text, Visit visit) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharLength(text, i);
        visit(i, length == 1);
        i += length;
    }
}

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares two whole characters; only single-byte letters fold.
bool SameChar(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    return a.size() == 1 ? FoldCase(a[0]) == FoldCase(b[0]) : a == b;
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

std::size_t FirstDelimiter(std::string_view delimiters, std::string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size();) {
        const std::size_t length = CharLength(text, i);
        if (length == 1 && delimiters.find(text[i]) != std::string_view::npos)
            return i;
        i += length;
    }
    return std::string_view::npos;
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

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
    constexpr std::size_t none = std::string_view::npos;
    std::size_t p = 0;
    std::size_t n = 0;
    // Where to resume after the last `*`: the pattern after it and the name position it covers to.
    std::size_t starPattern = none;
    std::size_t starName = 0;
    while (n < name.size()) {
        const std::size_t nameLength = CharLength(name, n);
        if (p < pattern.size()) {
            const std::size_t patternLength = CharLength(pattern, p);
            const std::string_view c = pattern.substr(p, patternLength);
            if (c == "*") {
                starPattern = ++p;
                starName = n;
                continue;
            }
            if (c == "?" || SameChar(c, name.substr(n, nameLength))) {
                p += patternLength;
                n += nameLength;
                continue;
            }
        }
        if (starPattern == none)
            return false;
        p = starPattern;
        starName += CharLength(name, starName);
        n = starName;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
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
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;

    std::uint64_t value = 0;
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    for (; i < text.size(); ++i) {
        const int digit =
            hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
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

std::string IntToStr(std::int32_t value) {
    return std::to_string(value);
}

std::string GroupDigits(std::uint64_t value) {
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

} // namespace porutena
