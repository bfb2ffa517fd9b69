#pragma once
// Text in the program's multibyte code page, 932: double-byte aware helpers.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace porutena {

// The code page of every text inside the program, whatever the system's.
constexpr unsigned ProgramCodePage = 932;

// True for a byte that begins a double-byte character in code page 932.
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Index of the last character of `text` that is one of `delimiters` (single-byte
// characters only), or npos. Second bytes of double-byte characters never match.
std::size_t LastDelimiter(std::string_view delimiters, std::string_view text);

// Index of the first character at or after `from` (a character start) that is one of
// `delimiters`, or npos. Second bytes of double-byte characters never match.
std::size_t FirstDelimiter(std::string_view delimiters, std::string_view text,
                           std::size_t from = 0);

// True when the last character of `text` is the single-byte character `c`.
bool EndsWithChar(std::string_view text, char c);

// Every `\` character replaced by `replacement`, left to right.
std::string ReplaceBackslash(std::string_view text, std::string_view replacement);

// True when `name` matches `pattern` as the Windows file systems match: letters without
// regard to case, `*` any run of characters, `?` any one character (double-byte ones whole).
bool MatchesWildcard(std::string_view pattern, std::string_view name);

// The one conversion from text to a 32-bit integer: leading spaces, one sign,
// decimal in range or hex after $, x, X, 0x, 0X as a 32-bit pattern; nothing after.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// Decimal text of a 32-bit integer.
std::string IntToStr(std::int32_t value);

// The decimal digits of `value` in groups of three, separated by ",": "12,345".
std::string GroupDigits(std::uint64_t value);

} // namespace porutena
