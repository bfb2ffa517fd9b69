#pragma once
// The three independent view options with their stored numeric values.
#include <cstdint>

namespace porutena {

enum class TFileViewStyle : std::uint8_t { fvsFullPath = 0, fvsFileOnly = 1 };
enum class TFileViewLength : std::uint8_t { fvlLongName = 0, fvlShortName = 1 };
// Stored 0 is accepted as well and applied as `\`.
enum class TPathSep : std::uint8_t { psYen = 1, psSlash = 2, psDoubleYen = 3 };

struct TViewOptions {
    TFileViewStyle Style = TFileViewStyle::fvsFullPath;
    TFileViewLength Length = TFileViewLength::fvlLongName;
    TPathSep Sep = TPathSep::psYen;
};

} // namespace porutena
