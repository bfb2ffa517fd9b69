// The settings applied to the window at its first activation and taken back at its end, and
// the two bar toggles they use.
#include "ui/main/Main.h"

#include "core/Errors.h"

namespace porutena {

namespace {

// The list control's two automatic widths are the lowest a column width may be.
constexpr std::int32_t LowestColumnWidth = LVSCW_AUTOSIZE_USEHEADER;

} // namespace

void TfrmMain::ApplySettings() {
    TPorutenaRegistry& registry = *FRegistry;
    if (!registry.ShowStatusBar)
        mnuStatusBarClick();
    if (!registry.ShowToolBar)
        mnuToolBarClick();
    // Stored sizes are at 96 DPI, so they open at the same physical size on any display. One
    // edited by hand or kept from a larger display is held to what shows the window whole.
    SetSizeOnScreen(registry.Width != 0 ? Scale(registry.Width) : 0,
                    registry.Height != 0 ? Scale(registry.Height) : 0);

    // A width out of range is reported once everything else is applied, and its column
    // is fitted to the window meanwhile.
    bool rangeError = false;
    ApplyColumnWidth(lsvFileList, registry.HeaderFName, rangeError);
    ApplyColumnWidth(lsvOldFile, registry.HeaderOlist, rangeError);

    if (registry.FileViewStyle != TFileViewStyle::fvsFullPath)
        actViewFileOnly.Execute();
    else
        actViewFullPath.Execute();
    if (registry.FileViewLength != TFileViewLength::fvlLongName)
        actShortName.Execute();
    else
        actLongName.Execute();
    switch (static_cast<TPathSep>(registry.PathSep)) {
    case TPathSep::psSlash:
        actSepSlash.Execute();
        break;
    case TPathSep::psDoubleYen:
        actSepDoubleYen.Execute();
        break;
    default:
        actSepYen.Execute();
        break;
    }
    if (rangeError)
        throw ERangeError();
}

void TfrmMain::ApplyColumnWidth(TListView& view, std::int32_t stored, bool& rangeError) {
    if (stored < LowestColumnWidth) {
        rangeError = true;
        stored = 0;
    }
    // The two automatic-width codes are no sizes.
    if (stored > 0)
        stored = Scale(stored);
    view.SetColumnWidth(0,
                        stored != 0 ? stored : ClientWidth() - Scale(MainLayout::ColumnFitMargin));
}

std::int32_t TfrmMain::StoredColumnWidth(const TListView& view) const {
    const int width = view.ColumnWidth(0);
    return width < 0 ? width : ScaleFromDpi(width, Dpi());
}

void TfrmMain::StoreSettings() {
    TPorutenaRegistry& registry = *FRegistry;
    registry.ShowStatusBar = ShownByItself(stbStatus.Handle());
    registry.ShowToolBar = ShownByItself(tbrTool.Handle());
    registry.Height = ScaleFromDpi(Height(), Dpi());
    registry.Width = ScaleFromDpi(Width(), Dpi());
    registry.HeaderFName = StoredColumnWidth(lsvFileList);
    registry.HeaderOlist = StoredColumnWidth(lsvOldFile);
    registry.FileViewStyle =
        mnuFullPath.Checked() ? TFileViewStyle::fvsFullPath : TFileViewStyle::fvsFileOnly;
    registry.FileViewLength =
        mnuLongFileName.Checked() ? TFileViewLength::fvlLongName : TFileViewLength::fvlShortName;
    // 1 `\`, 3 `\\`, else 2 `/`: as the lists are rendered.
    registry.PathSep = static_cast<std::uint8_t>(ViewOptions().Sep);
}

void TfrmMain::mnuToolBarClick() {
    ToggleBar(mnuToolBar, tbrTool.Handle(), tbrTool.Height());
}

void TfrmMain::mnuStatusBarClick() {
    ToggleBar(mnuStatusBar, stbStatus.Handle(), stbStatus.Height());
}

void TfrmMain::ToggleBar(TMenuItem& item, HWND bar, int height) {
    item.SetChecked(!item.Checked());
    const bool shown = item.Checked();
    ShowWindow(bar, shown ? SW_SHOW : SW_HIDE);
    SetClientHeight(ClientHeight() + (shown ? height : -height));
    // Laid out also when the height could not change (a maximised window).
    Realign();
}

} // namespace porutena
