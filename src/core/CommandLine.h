#pragma once
// Splitting a process's command line into its items, code page 932 aware.
#include <string>
#include <string_view>
#include <vector>

namespace porutena {

// The items of `text`, the first being the program's name as typed. Runs of characters
// 1..32 separate items; a double quote opens a stretch, up to the next one, in which they
// belong to the item, and the quotes are dropped; `""` where an item would begin is
// skipped; a quote never closed runs to the end. Double-byte characters are stepped over
// whole, and the text ends at its first NUL.
std::vector<std::string> SplitCommandLine(std::string_view text);

// The same rule on a command line in UTF-16, as the system keeps it.
std::vector<std::wstring> SplitCommandLine(std::wstring_view text);

} // namespace porutena
