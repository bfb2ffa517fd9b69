#pragma once
// The program's text is code page 932, the system's is UTF-16: every conversion between the
// two is here, by ProgramCodePage whatever the process's code page, with the one rule by which
// a file name from the system becomes program text.
#include <optional>
#include <string>
#include <string_view>

namespace porutena {

std::wstring Widen(std::string_view text);

// As the system converts window texts, so that offsets agree with what controls report: a
// character without a 932 form becomes a look-alike or `?`. Never for file names.
std::string Narrow(std::wstring_view text);

// `text` character for character; nullopt when a character has no 932 form.
std::optional<std::string> NarrowExact(std::wstring_view text);

// A file name in UTF-16 as program text that names the same file. Best fit would make
// `café.txt` into `cafe.txt` and `a¥b.txt` into `a\b.txt`, other files; so a component with a
// character that has no 932 form is taken in its 8.3 form, and where the volume keeps none,
// each such character becomes `|`, which no name on a Windows volume holds, so that no search
// finds it.
std::string NarrowName(std::wstring_view name);

// `path` as the file functions take it: an absolute path too long for MAX_PATH is made full
// and given the `\\?\` (`\\?\UNC\`) prefix that lifts the limit; any other path stays.
std::wstring ExtendedPath(std::wstring path);

} // namespace porutena
