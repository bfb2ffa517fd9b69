#include "core/FilePath.h"

#include "core/Text.h"

namespace porutena {

std::string ExtractFilePath(std::string_view fileName) {
    const std::size_t last = LastDelimiter("\\:", fileName);
    if (last == std::string_view::npos)
        return {};
    return std::string(fileName.substr(0, last + 1));
}

} // namespace porutena
