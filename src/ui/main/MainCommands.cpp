// Names in by drop and open dialog, the selected name into the edit box, and the two copies.
#include "ui/main/Main.h"

#include "core/Errors.h"
#include "core/Rendering.h"
#include "platform/win32/DroppedFiles.h"

namespace porutena {

void TfrmMain::WMDropFiles(HDROP drop) {
    // Released when this ends, however it ends.
    const TDroppedFiles files(drop);
    std::vector<std::string> names = files.Names();
    if (!names.empty())
        TakeBatch(std::move(names), true);
}

void TfrmMain::actGetExecute() {
    // The dialog's own failures (a choice too large for its buffer) get the program's error
    // box with their text as it stands, not the application's handler, which adds a ".".
    bool chosen = false;
    try {
        const TSystemDialogScope scope;
        chosen = dlgOpen->Execute();
    } catch (const EError& e) {
        ShowErrorMessage(App(), e.what());
        return;
    }
    if (chosen)
        TakeBatch(dlgOpen->Files(), false);
}

void TfrmMain::lsvFileListSelectItem(int row, bool /*selected*/) {
    // A move reports the deselected row first, so the box ends with the selected one.
    SetFileNameText(lsvFileList.ItemText(row));
}

void TfrmMain::lsvOldFileSelectItem(int row, bool /*selected*/) {
    SetFileNameText(lsvOldFile.ItemText(row));
}

void TfrmMain::lsvFileListEnter() {
    if (const int row = lsvFileList.SelectedIndex(); row >= 0)
        SetFileNameText(lsvFileList.ItemText(row));
}

void TfrmMain::lsvOldFileEnter() {
    if (const int row = lsvOldFile.SelectedIndex(); row >= 0)
        SetFileNameText(lsvOldFile.ItemText(row));
}

void TfrmMain::edtFileNameChange() {
    actCopy.SetEnabled(!edtFileName.Text().empty());
}

void TfrmMain::actCopyExecute() {
    std::string text = edtFileName.SelText();
    if (text.empty())
        text = edtFileName.Text();
    if (!text.empty())
        FClipboard->SetText(text);
}

void TfrmMain::actCopyAllExecute() {
    // Never a part of the rows: the copy waits for the current list's rendering.
    if (FStartJob || FFileJob || !FWaitingBatches.empty()) {
        FCopyAllWaiting = true;
        return;
    }
    FClipboard->SetText(CopyAllText(lsvFileList.Items()));
}

bool TfrmMain::ContextPopup(HWND control, POINT& pos) {
    if (control == lsvFileList.Handle())
        return lsvFileListContextPopup(pos);
    if (control == lsvOldFile.Handle())
        return lsvOldFileContextPopup(pos);
    return false;
}

bool TfrmMain::lsvFileListContextPopup(POINT& pos) {
    return ListContextPopup(lsvFileList, pos);
}

bool TfrmMain::lsvOldFileContextPopup(POINT& pos) {
    return ListContextPopup(lsvOldFile, pos);
}

bool TfrmMain::ListContextPopup(TListView& list, POINT& pos) {
    // The list takes the focus first, so its selected row may reach the edit box even when
    // no menu opens.
    list.SetFocus();
    const bool fromKeyboard = pos.x == -1 && pos.y == -1;
    if (fromKeyboard) {
        const int row = list.SelectedIndex();
        if (row < 0)
            return true;
        const RECT r = list.ItemRect(row);
        pos = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(list.Handle(), &pos);
    }
    POINT client = pos;
    ScreenToClient(list.Handle(), &client);
    return list.ItemAt(client) < 0;
}

} // namespace porutena
