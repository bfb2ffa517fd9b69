#include "settings/UPorutenaRegistry.h"

#include "core/Errors.h"

#include <algorithm>

namespace porutena {

namespace N = PorutenaNames;

std::unique_ptr<TPorutenaRegistry>
TPorutenaRegistry::Create(TKeyStore& keyStore, std::string_view company, std::string_view product) {
    std::unique_ptr<TPorutenaRegistry> registry(new TPorutenaRegistry(keyStore, company, product));
    registry->Load();
    return registry;
}

void TPorutenaRegistry::SetOldListNum(std::int32_t value) {
    FOldListNum = std::clamp(value, 1, 100);
}

std::uint8_t TPorutenaRegistry::ReadByte(std::string_view section, std::string_view ident,
                                         std::uint8_t def, std::uint8_t max) {
    const auto value = static_cast<std::uint8_t>(ReadInteger(section, ident, def));
    if (value <= max)
        return value;
    KeepLoadError(std::make_exception_ptr(ERangeError()));
    return def;
}

void TPorutenaRegistry::ReadValues() {
    ShowStatusBar = ReadBool(N::View, N::ShowStatusBar, true);
    ShowToolBar = ReadBool(N::View, N::ShowToolBar, true);
    Height = ReadInteger(N::Form, N::Height, 0);
    Width = ReadInteger(N::Form, N::Width, 0);
    HeaderFName = ReadInteger(N::Form, N::HeaderFName, 0);
    HeaderOlist = ReadInteger(N::Form, N::HeaderOlist, 0);
    SetOldListNum(ReadInteger(N::View, N::OldListNum, 5));
    FileViewStyle = static_cast<TFileViewStyle>(ReadByte(N::View, N::FileViewStyle, 0, 1));
    FileViewLength = static_cast<TFileViewLength>(ReadByte(N::View, N::FileViewLength, 0, 1));
    PathSep = ReadByte(N::View, N::PathSep, 1, 3);
}

void TPorutenaRegistry::WriteValues() {
    WriteBool(N::View, N::ShowStatusBar, ShowStatusBar);
    WriteBool(N::View, N::ShowToolBar, ShowToolBar);
    WriteInteger(N::Form, N::Height, Height);
    WriteInteger(N::Form, N::Width, Width);
    WriteInteger(N::Form, N::HeaderFName, HeaderFName);
    WriteInteger(N::Form, N::HeaderOlist, HeaderOlist);
    WriteInteger(N::View, N::OldListNum, GetOldListNum());
    WriteInteger(N::View, N::FileViewStyle, static_cast<std::int32_t>(FileViewStyle));
    WriteInteger(N::View, N::FileViewLength, static_cast<std::int32_t>(FileViewLength));
    WriteInteger(N::View, N::PathSep, PathSep);
}

} // namespace porutena
