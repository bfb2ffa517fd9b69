#pragma once
// The texts an open-file dialog takes and gives back, code page 932 aware.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace porutena {

// The full paths in the result buffer of a multi-select dialog, in the dialog's order.
// One file: the buffer holds its full path. Several: the directory, then each name, every
// part ended by NUL and the list by an empty part; `fileOffset` is the first name's index.
// Names are joined to the directory with `\` unless it already ends with that character.
std::vector<std::string> ParseOpenFileResult(std::string_view buffer, std::size_t fileOffset);
// The same for the dialog's UTF-16 buffer; `fileOffset` counts UTF-16 units.
std::vector<std::wstring> ParseOpenFileResult(std::wstring_view buffer, std::size_t fileOffset);

// "text|pattern|..." in the dialog's form: each part ended by NUL, then one more NUL.
std::string DialogFilter(std::string_view filter);

} // namespace porutena
