#pragma once
// Parts of a file name, code page 932 aware.
#include <string>
#include <string_view>

namespace porutena {

// `fileName` up to and including its last path delimiter (`\` or `:`); empty without one.
// Second bytes of double-byte characters are never taken for a delimiter.
std::string ExtractFilePath(std::string_view fileName);

} // namespace porutena
