#pragma once
// Conversions between the program's text (the system code page) and UTF-16, for controls
// that speak UTF-16 only.
#include <string>
#include <string_view>

namespace porutena {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

} // namespace porutena
