#include "ui/frame/ListView.h"

#include "platform/win32/WideText.h"
#include "ui/frame/Application.h"

#include <commctrl.h>

#include <windowsx.h>

#include <algorithm>

namespace porutena {

namespace {

// What the control leaves around a row's text when it sizes a column to fit it.
constexpr int TextPadding = 12;

} // namespace

TListView::~TListView() {
    if (FTips)
        Unbind(FTips);
    if (FHandle)
        RemoveWindowSubclass(FHandle, TipRowProc, 0);
}

void TListView::Create(TForm& form, TBounds bounds, DWORD style) {
    style |= WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDATA;
    Attach(CreateControl(form, "SysListView32", "", style, bounds, WS_EX_CLIENTEDGE));
    SendMessageW(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    CreateTip(form);
}

void TListView::CreateTip(TForm& form) {
    // Not the control's own label tips, which not every version of it shows.
    FTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, form.Handle(), nullptr,
                            form.App().Instance(), nullptr);
    if (!FTips)
        return; // a list without tips rather than no list
    BindUntilDestroyed(FTips);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form.Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(FHandle);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(FTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SetWindowSubclass(FHandle, TipRowProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK TListView::TipRowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR list) {
    if (message == WM_MOUSEMOVE)
        reinterpret_cast<TListView*>(list)->MouseMoved(
            {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, TipRowProc, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}

void TListView::MouseMoved(POINT client) {
    const int row = ItemAt(client);
    if (row == FTipRow || !FTips)
        return;
    FTipRow = row;
    // The tip of the row left goes; when the mouse rests again the tooltip asks anew.
    SendMessageW(FTips, TTM_ACTIVATE, FALSE, 0);
    SendMessageW(FTips, TTM_ACTIVATE, TRUE, 0);
}

void TListView::WindowGone(HWND window) {
    if (window == FTips)
        FTips = nullptr;
    else
        TWinControl::WindowGone(window);
}

std::string TListView::TipText(int row) const {
    if (row < 0 || row >= Count())
        return {};
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    RECT label{};
    label.left = LVIR_LABEL;
    SendMessageW(FHandle, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&bounds));
    SendMessageW(FHandle, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&label));
    RECT client{};
    GetClientRect(FHandle, &client);
    const std::wstring text = Widen(FRows[static_cast<std::size_t>(row)]);
    const auto width = static_cast<int>(
        SendMessageW(FHandle, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
    // Cut off by the column's end, or by the list's edges where it is scrolled sideways.
    const bool whole =
        bounds.left >= 0 && bounds.left + width + ScaleToDpi(TextPadding, WindowDpi(FHandle)) <=
                                std::min(label.right, client.right);
    return whole ? std::string() : FRows[static_cast<std::size_t>(row)];
}

void TListView::AddColumn(std::string_view caption, int width) {
    std::wstring text = Widen(caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text.data();
    column.cx = width < 0 ? 0 : width;
    HWND header = reinterpret_cast<HWND>(SendMessageW(FHandle, LVM_GETHEADER, 0, 0));
    int index = header ? Header_GetItemCount(header) : 0;
    SendMessageW(FHandle, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
    if (width < 0)
        SetColumnWidth(index, width);
}

void TListView::SetColumnWidth(int column, int width) {
    SendMessageW(FHandle, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width);
    auto index = static_cast<std::size_t>(column);
    if (FWidthCodes.size() <= index)
        FWidthCodes.resize(index + 1, {0, 0});
    int actual =
        static_cast<int>(SendMessageW(FHandle, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    FWidthCodes[index] = {width < 0 ? width : 0, actual};
}

int TListView::ColumnWidth(int column) const {
    int actual =
        static_cast<int>(SendMessageW(FHandle, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    // The code stands while the column keeps the width the control gave it for the code.
    auto index = static_cast<std::size_t>(column);
    if (index < FWidthCodes.size() && FWidthCodes[index].code != 0 &&
        FWidthCodes[index].actual == actual)
        return FWidthCodes[index].code;
    return actual;
}

int TListView::HeightForRows(int rows) const {
    const int dpi = WindowDpi(FHandle);
    const SIZE frame =
        OuterSize(0, 0, static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_STYLE)),
                  static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_EXSTYLE)), false, dpi);
    RECT heading{};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageW(FHandle, LVM_GETHEADER, 0, 0)), &heading);
    // In report view the small-icon spacing is the height of a row.
    const int row = HIWORD(SendMessageW(FHandle, LVM_GETITEMSPACING, TRUE, 0));
    return frame.cy + SystemMetricForDpi(SM_CYHSCROLL, dpi) + (heading.bottom - heading.top) +
           rows * row;
}

void TListView::SetItems(std::vector<std::string> texts) {
    FRows = std::move(texts);
    FSelected = -1;
    SendMessageW(FHandle, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(FHandle, LVM_SETITEMCOUNT, FRows.size(), 0);
    InvalidateRect(FHandle, nullptr, TRUE);
}

void TListView::DeleteItem(int row) {
    if (row < 0 || row >= Count())
        return;
    // The control may report the row deselected while deleting it: its text is still there.
    SendMessageW(FHandle, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
    FRows.erase(FRows.begin() + row);
    if (FSelected == row)
        FSelected = -1;
    else if (FSelected > row)
        --FSelected;
}

std::string TListView::ItemText(int row) const {
    return row >= 0 && row < Count() ? FRows[static_cast<std::size_t>(row)] : std::string();
}

int TListView::SelectedIndex() const {
    return static_cast<int>(
        SendMessageW(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TListView::Select(int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    if (row < 0) {
        item.stateMask = LVIS_SELECTED;
        SendMessageW(FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(&item));
        return;
    }
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    SendMessageW(FHandle, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

RECT TListView::ItemRect(int row) const {
    RECT r{};
    r.left = LVIR_BOUNDS;
    if (!SendMessageW(FHandle, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&r)))
        return {};
    return r;
}

int TListView::ItemAt(POINT client) const {
    LVHITTESTINFO hit{};
    hit.pt = client;
    return static_cast<int>(SendMessageW(FHandle, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

bool TListView::HandleNotify(NMHDR& header, LRESULT& result) {
    result = 0;
    if (header.hwndFrom == FTips) {
        if (header.code != TTN_GETDISPINFOW)
            return false;
        FTipText = Widen(TipText(FTipRow));
        // A name wider than half the screen wraps rather than running off its edge.
        const RECT area = WorkAreaOf(FHandle);
        SendMessageW(FTips, TTM_SETMAXTIPWIDTH, 0, (area.right - area.left) / 2);
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        info.lpszText = FTipText.data();
        info.hinst = nullptr;
        return true;
    }
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        auto& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
        if ((item.mask & LVIF_TEXT) && item.cchTextMax > 0) {
            std::wstring text = Widen(item.iSubItem == 0 ? ItemText(item.iItem) : std::string());
            lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
        }
        return true;
    }
    case LVN_ITEMCHANGED:
        return ItemChanged(reinterpret_cast<NMLISTVIEW&>(header));
    case LVN_ODSTATECHANGED:
        return RangeChanged(reinterpret_cast<NMLVODSTATECHANGE&>(header));
    case NM_SETFOCUS:
        return Entered();
    default:
        return false;
    }
}

bool TListView::ItemChanged(const NMLISTVIEW& change) {
    if (!(change.uChanged & LVIF_STATE) || !((change.uOldState ^ change.uNewState) & LVIS_SELECTED))
        return false;
    bool selected = (change.uNewState & LVIS_SELECTED) != 0;
    if (change.iItem >= 0) {
        Report(change.iItem, selected);
    } else if (!selected && FSelected >= 0) {
        // Virtual rows report "all rows" at once; single selection means one row.
        Report(FSelected, false);
    }
    return true;
}

bool TListView::RangeChanged(const NMLVODSTATECHANGE& change) {
    if (!((change.uOldState ^ change.uNewState) & LVIS_SELECTED))
        return false;
    bool selected = (change.uNewState & LVIS_SELECTED) != 0;
    if (selected)
        Report(change.iFrom, true);
    else if (FSelected >= change.iFrom && FSelected <= change.iTo)
        Report(FSelected, false);
    return true;
}

void TListView::Report(int row, bool selected) {
    if (selected)
        FSelected = row;
    else if (FSelected == row)
        FSelected = -1;
    if (OnSelectItem)
        OnSelectItem(row, selected);
}

} // namespace porutena
