// The window's controls as designed, and where they lie as the window changes size.
#include "ui/main/Main.h"

#include "resource.h"

#include <algorithm>

namespace porutena {

bool TfrmMain::ShownByItself(HWND control) {
    return (GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TfrmMain::CreateControls() {
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
    imlToolBar = TImageList::FromBitmap(App().Instance(), IDB_TOOLBAR, 16);
    imlToolBar2 = TImageList::FromBitmap(App().Instance(), IDB_TOOLBAR_DISABLED, 16);
    tbrTool.Create(imlToolBar.Handle(), imlToolBar2.Handle(), MainLayout::ToolBarHeight,
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
    lsvOldFile.AddColumn("旧リスト", MainLayout::ColumnWidth);
    lsvOldFile.OnSelectItem = [this](int row, bool selected) {
        lsvOldFileSelectItem(row, selected);
    };
    lsvOldFile.OnEnter = [this] { lsvOldFileEnter(); };
    SetPopupMenu(lsvOldFile.Handle(), &ppmMain);

    Splitter1.Create(*this, {}, lsvOldFile, MainLayout::SplitterMinSize);
    Splitter1.OnMoved = [this](int height) { ResizeOldList(height); };

    lsvFileList.Create(*this, {});
    lsvFileList.AddColumn("ファイル名", MainLayout::ColumnWidth);
    lsvFileList.OnSelectItem = [this](int row, bool selected) {
        lsvFileListSelectItem(row, selected);
    };
    lsvFileList.OnEnter = [this] { lsvFileListEnter(); };
    SetPopupMenu(lsvFileList.Handle(), &ppmMain);
}

TBounds TfrmMain::Panel2() const {
    using namespace MainLayout;
    const int bottom = ClientHeight() - (ShownByItself(stbStatus.Handle()) ? StatusBarHeight : 0);
    return {0, bottom - BottomPanelHeight, ClientWidth(), BottomPanelHeight};
}

TBounds TfrmMain::Panel1() const {
    const int top = ShownByItself(tbrTool.Handle()) ? MainLayout::ToolBarHeight : 0;
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
    edtFileName.SetBounds({0, bottom.y + EditTop, width, EditHeight});

    // The old list keeps its height; the current list takes what is left.
    const TBounds lists = Panel1();
    lsvOldFile.SetBounds({0, lists.y, width, FOldListHeight});
    Splitter1.SetBounds({0, lists.y + FOldListHeight, width, SplitterHeight});
    const int rest = lists.height - FOldListHeight - SplitterHeight;
    lsvFileList.SetBounds({0, lists.y + FOldListHeight + SplitterHeight, width, std::max(0, rest)});
}

void TfrmMain::ResizeOldList(int height) {
    using namespace MainLayout;
    // Neither list becomes lower than the splitter's minimum.
    const int most = Panel1().height - SplitterHeight - SplitterMinSize;
    FOldListHeight = std::clamp(height, SplitterMinSize, std::max(SplitterMinSize, most));
    FormResize();
}

} // namespace porutena
