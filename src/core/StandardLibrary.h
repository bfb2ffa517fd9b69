#pragma once
// Converting file names to the form the file system stores them in.
#include "core/DirectorySearch.h"

#include <string>
#include <string_view>

namespace porutena {

// `FileName` with every component below its root replaced by the name a directory search finds
// for it: the stored long name, or with `ShortName` the 8.3 name where the entry has one. The
// root (`C:`, `C:\`, `\`, `\\server\share`) is kept as written; relative names stay relative.
// `/` separates as `\` does and becomes `\`, a doubled separator as one; `.` and `..` are
// resolved first, as the system resolves them, and never searched. Empty when any component cannot
// be found or the name holds a NUL. Names ending with a separator come back unchanged but for `/`.
// One search per component, nothing kept between calls.
std::string ConvertFileName(std::string_view FileName, bool ShortName,
                            const IDirectorySearch& search);

} // namespace porutena
