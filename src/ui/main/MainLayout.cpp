// The window's controls as designed, and where they lie as the window changes size or moves to
// a display of another DPI.
#include "ui/main/Main.h"

#include "resource.h"

#include <algorithm>

namespace porutena {

namespace {

constexpr TGlyphIds ToolBarGlyphs{IDB_TOOLBAR, IDB_TOOLBAR_24, IDB_TOOLBAR_32};

} // namespace

bool TfrmMain::ShownByItself(HWND control) {
    return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TfrmMain::CreateControls() {
    FOldListHeight = Scale(MainLayout::OldListHeight);
    CreateToolBar();
    CreateLists();
    edtFileName.Create(*this, {});
    edtFileName.OnChange = [this] { edtFileNameChange(); };
    stbStatus.Create(*this, MainLayout::StatusBarHeight);

    FShell = FContext.MakeShell(Handle());
    FClipboard = FContext.MakeClipboard(Handle());
    dlgOpen = FContext.MakeOpenDialog(Handle());
    FormResize();
}

void TfrmMain::CreateToolBar() {
    imlToolBar = Glyphs(TGlyphLook::Drawn);
    imlToolBar2 = Glyphs(TGlyphLook::Disabled);
    tbrTool.Create(imlToolBar.Get(), imlToolBar2.Get(), MainLayout::ToolBarHeight,
                   MainLayout::ToolBarIndent, MainLayout::ToolBarBorderWidth);
    using enum TToolButtonStyle;
    tlbGet = &tbrTool.AddButton(
        {.hint = "名前取得|ﾀﾞｲｱﾛｸﾞからﾌｧｲﾙを選択します。", .imageIndex = 0, .action = &actGet});
    tlbCopy = &tbrTool.AddButton({.imageIndex = 1, .action = &actCopy});
    tlbCopyAll = &tbrTool.AddButton({.imageIndex = 2, .action = &actCopyAll});
    tbrTool.AddSeparator(8); // ToolButton1
    tlbFullPath = &tbrTool.AddButton({.style = Check, .group = 1, .action = &actViewFullPath});
    tlbFileOnly = &tbrTool.AddButton({.style = Check, .group = 1, .action = &actViewFileOnly});
    tbrTool.AddSeparator(8); // ToolButton2
    tlbLongFileName = &tbrTool.AddButton({.style = Check, .group = 2, .action = &actLongName});
    tlbShortFileName = &tbrTool.AddButton({.style = Check, .group = 2, .action = &actShortName});
    tbrTool.AddSeparator(8); // ToolButton3
    tlbSepYen = &tbrTool.AddButton({.style = Check, .group = 3, .action = &actSepYen});
    tlbSepDoubleYen = &tbrTool.AddButton({.style = Check, .group = 3, .action = &actSepDoubleYen});
    // A check button of its own, outside the group of the other two separators.
    tlbSepSlash = &tbrTool.AddButton({.style = Check, .action = &actSepSlash});
}

void TfrmMain::CreateLists() {
    // Created in tab order: the old list first.
    lsvOldFile.Create(*this, {});
    lsvOldFile.AddColumn("旧リスト", Scale(MainLayout::ColumnWidth));
    lsvOldFile.OnSelectItem = [this](int row, bool selected) {
        lsvOldFileSelectItem(row, selected);
    };
    lsvOldFile.OnEnter = [this] { lsvOldFileEnter(); };
    SetPopupMenu(lsvOldFile.Handle(), &ppmMain);

    Splitter1.Create(*this, {}, lsvOldFile, MainLayout::SplitterMinSize);
    Splitter1.OnMoved = [this](int height) { ResizeOldList(height); };

    lsvFileList.Create(*this, {});
    lsvFileList.AddColumn("ファイル名", Scale(MainLayout::ColumnWidth));
    lsvFileList.OnSelectItem = [this](int row, bool selected) {
        lsvFileListSelectItem(row, selected);
    };
    lsvFileList.OnEnter = [this] { lsvFileListEnter(); };
    SetPopupMenu(lsvFileList.Handle(), &ppmMain);
}

TImageList TfrmMain::Glyphs(TGlyphLook look) const {
    return LoadImageList(App().Instance(), GlyphIdForDpi(ToolBarGlyphs, Dpi()),
                         GlyphSizeForDpi(Dpi()), look);
}

TBounds TfrmMain::Panel2() const {
    using namespace MainLayout;
    const int status = ShownByItself(stbStatus.Handle()) ? Scale(StatusBarHeight) : 0;
    const int height = Scale(BottomPanelHeight);
    return {0, ClientHeight() - status - height, ClientWidth(), height};
}

TBounds TfrmMain::Panel1() const {
    const int top = ShownByItself(tbrTool.Handle()) ? Scale(MainLayout::ToolBarHeight) : 0;
    return {0, top, ClientWidth(), std::max(0, Panel2().y - top)};
}

void TfrmMain::FormResize() {
    using namespace MainLayout;
    if (!lsvFileList.Handle())
        return; // sized once while the window is created, before its controls exist
    const int width = ClientWidth();
    tbrTool.AutoSize();
    stbStatus.AutoSize();

    const TBounds bottom = Panel2();
    // The old list keeps its height; the current list takes what is left.
    const TBounds lists = Panel1();
    const int splitter = Scale(SplitterHeight);
    const int rest = lists.height - FOldListHeight - splitter;
    SetBoundsTogether({
        {&edtFileName, {0, bottom.y + Scale(EditTop), width, Scale(EditHeight)}},
        {&lsvOldFile, {0, lists.y, width, FOldListHeight}},
        {&Splitter1, {0, lists.y + FOldListHeight, width, splitter}},
        {&lsvFileList, {0, lists.y + FOldListHeight + splitter, width, std::max(0, rest)}},
    });
}

SIZE TfrmMain::FormMinClientSize() const {
    using namespace MainLayout;
    if (!lsvFileList.Handle())
        return {};
    // What is shown: the bars, every toolbar button, the old list as high as it is, and the
    // current list with one row above the edit box.
    const bool toolBar = ShownByItself(tbrTool.Handle());
    const int bars = (toolBar ? tbrTool.Height() : 0) +
                     (ShownByItself(stbStatus.Handle()) ? stbStatus.Height() : 0);
    const int lists = FOldListHeight + Scale(SplitterHeight) + lsvFileList.HeightForRows(1);
    return {toolBar ? tbrTool.ButtonsWidth() : 0, bars + lists + Scale(BottomPanelHeight)};
}

void TfrmMain::ResizeOldList(int height) {
    using namespace MainLayout;
    // Neither list becomes lower than the splitter's minimum.
    const int least = Scale(SplitterMinSize);
    const int most = Panel1().height - Scale(SplitterHeight) - least;
    FOldListHeight = std::clamp(height, least, std::max(least, most));
    Realign();
}

void TfrmMain::FormDpiChanged(int oldDpi) {
    // The bar lets go of the old glyphs before they are freed.
    TImageList images = Glyphs(TGlyphLook::Drawn);
    TImageList disabled = Glyphs(TGlyphLook::Disabled);
    tbrTool.SetImages(images.Get(), disabled.Get());
    imlToolBar = std::move(images);
    imlToolBar2 = std::move(disabled);

    FOldListHeight = ScaleBetweenDpi(FOldListHeight, oldDpi, Dpi());
    for (TListView* list : {&lsvOldFile, &lsvFileList}) {
        // An automatic width is asked for again, measured in the new font.
        const int width = list->ColumnWidth(0);
        list->SetColumnWidth(0, width < 0 ? width : ScaleBetweenDpi(width, oldDpi, Dpi()));
    }
}

} // namespace porutena
