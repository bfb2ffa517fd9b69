#include "ui/frame/Controls.h"

#include <commctrl.h>

namespace porutena {

namespace {

constexpr const char* ListViewProp = "PorutenaListView";

} // namespace

std::string TWinControl::Text() const {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(FHandle)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(FHandle, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TWinControl::SetText(std::string_view text) {
    SetWindowTextA(FHandle, std::string(text).c_str());
}

void TWinControl::SetBounds(TBounds bounds) {
    MoveWindow(FHandle, bounds.x, bounds.y, bounds.width, bounds.height, TRUE);
}

void TEdit::Create(TForm& form, TBounds bounds, DWORD style) {
    Attach(form.CreateControl("EDIT", "", WS_VISIBLE | style, bounds, WS_EX_CLIENTEDGE));
}

std::string TEdit::SelText() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    std::string text = Text();
    // Positions count bytes in an ANSI edit box.
    if (end > text.size())
        end = static_cast<DWORD>(text.size());
    return start < end ? text.substr(start, end - start) : std::string();
}

void TEdit::SetPasswordChar(char c) {
    SendMessageA(FHandle, EM_SETPASSWORDCHAR, static_cast<unsigned char>(c), 0);
    InvalidateRect(FHandle, nullptr, TRUE);
}

void TButton::Create(TForm& form, TBounds bounds, TButtonProps props) {
    DWORD style = WS_VISIBLE | WS_TABSTOP | (props.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    Attach(form.CreateControl("BUTTON", props.caption, style, bounds));
    form.RegisterButton(FHandle, props.modalResult, props.isDefault, props.cancel,
                        std::move(props.onClick));
}

void TLabel::Create(TForm& form, TBounds bounds, std::string_view text, DWORD style) {
    Attach(form.CreateControl("STATIC", text, WS_VISIBLE | style, bounds));
}

void TStatusBar::Create(TForm& form) {
    Attach(form.CreateControl(STATUSCLASSNAMEA, "", WS_VISIBLE | SBARS_SIZEGRIP, {}));
    SendMessageA(FHandle, SB_SIMPLE, TRUE, 0);
}

void TStatusBar::SetText(std::string_view text) {
    SendMessageA(FHandle, SB_SETTEXTA, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(std::string(text).c_str()));
}

int TStatusBar::Height() const {
    RECT r{};
    GetWindowRect(FHandle, &r);
    return r.bottom - r.top;
}

TListView::~TListView() {
    if (FHandle && IsWindow(FHandle))
        RemovePropA(FHandle, ListViewProp);
}

void TListView::Create(TForm& form, TBounds bounds, DWORD style) {
    Attach(form.CreateControl(WC_LISTVIEWA, "", WS_VISIBLE | style, bounds, WS_EX_CLIENTEDGE));
    SetPropA(FHandle, ListViewProp, this);
    SendMessageA(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

TListView* TListView::FromHandle(HWND window) {
    return static_cast<TListView*>(GetPropA(window, ListViewProp));
}

void TListView::AddColumn(std::string_view caption, int width) {
    std::string text(caption);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text.data();
    column.cx = width;
    HWND header = reinterpret_cast<HWND>(SendMessageA(FHandle, LVM_GETHEADER, 0, 0));
    int index = header ? Header_GetItemCount(header) : 0;
    SendMessageA(FHandle, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
    if (width < 0)
        SetColumnWidth(index, width);
}

void TListView::SetColumnWidth(int column, int width) {
    SendMessageA(FHandle, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), width);
    if (FWidthCodes.size() <= static_cast<std::size_t>(column))
        FWidthCodes.resize(static_cast<std::size_t>(column) + 1, {0, 0});
    int actual =
        static_cast<int>(SendMessageA(FHandle, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    FWidthCodes[static_cast<std::size_t>(column)] = {width < 0 ? width : 0, actual};
}

int TListView::ColumnWidth(int column) const {
    int actual =
        static_cast<int>(SendMessageA(FHandle, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    // An automatic-width code stays the width until the column gets another width.
    if (static_cast<std::size_t>(column) < FWidthCodes.size()) {
        const TWidthCode& set = FWidthCodes[static_cast<std::size_t>(column)];
        if (set.code != 0 && set.actual == actual)
            return set.code;
    }
    return actual;
}

int TListView::Count() const {
    return static_cast<int>(SendMessageA(FHandle, LVM_GETITEMCOUNT, 0, 0));
}

void TListView::SetItems(const std::vector<std::string>& texts) {
    SendMessageA(FHandle, WM_SETREDRAW, FALSE, 0);
    SendMessageA(FHandle, LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(FHandle, LVM_SETITEMCOUNT, texts.size(), 0);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    for (const std::string& text : texts) {
        item.pszText = const_cast<char*>(text.c_str());
        SendMessageA(FHandle, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        ++item.iItem;
    }
    SendMessageA(FHandle, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(FHandle, nullptr, TRUE);
}

void TListView::DeleteItem(int row) {
    SendMessageA(FHandle, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void TListView::Clear() {
    SendMessageA(FHandle, LVM_DELETEALLITEMS, 0, 0);
}

std::string TListView::ItemText(int row) const {
    char buffer[1024] = {};
    LVITEMA item{};
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    auto length = SendMessageA(FHandle, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                               reinterpret_cast<LPARAM>(&item));
    return std::string(buffer, static_cast<std::size_t>(length));
}

void TListView::SetVirtualCount(int count) {
    SendMessageA(FHandle, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
    InvalidateRect(FHandle, nullptr, TRUE);
}

int TListView::SelectedIndex() const {
    return static_cast<int>(
        SendMessageA(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TListView::Select(int row) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    if (row < 0) {
        item.state = 0;
        SendMessageA(FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(&item));
        return;
    }
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(FHandle, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    SendMessageA(FHandle, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

RECT TListView::ItemRect(int row) const {
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageA(FHandle, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    return r;
}

int TListView::ItemAt(POINT client) const {
    LVHITTESTINFO hit{};
    hit.pt = client;
    return static_cast<int>(SendMessageA(FHandle, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

bool TListView::HandleNotify(NMHDR& header) {
    if (header.code != LVN_GETDISPINFOA || !OnGetText)
        return false;
    auto& info = reinterpret_cast<NMLVDISPINFOA&>(header);
    if ((info.item.mask & LVIF_TEXT) && info.item.iSubItem == 0) {
        std::string text = OnGetText(info.item.iItem);
        lstrcpynA(info.item.pszText, text.c_str(), info.item.cchTextMax);
    }
    return true;
}

} // namespace porutena
