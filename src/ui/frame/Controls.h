#pragma once
// Thin wrappers over child controls: each borrows its HWND (the form's window destroys it).
#include "ui/frame/Form.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace porutena {

class TWinControl {
public:
    TWinControl() = default;
    TWinControl(const TWinControl&) = delete;
    TWinControl& operator=(const TWinControl&) = delete;

    HWND Handle() const { return FHandle; }
    void Attach(HWND handle) { FHandle = handle; }
    std::string Text() const;
    void SetText(std::string_view text);
    bool Enabled() const { return IsWindowEnabled(FHandle) != FALSE; }
    void SetEnabled(bool value) { EnableWindow(FHandle, value); }
    bool Visible() const { return IsWindowVisible(FHandle) != FALSE; }
    void SetVisible(bool value) { ShowWindow(FHandle, value ? SW_SHOW : SW_HIDE); }
    void SetBounds(TBounds bounds);
    void SetFocus() { ::SetFocus(FHandle); }
    bool Focused() const { return GetFocus() == FHandle; }

protected:
    ~TWinControl() = default;
    HWND FHandle = nullptr;
};

// Single-line edit box with a sunken border.
class TEdit : public TWinControl {
public:
    void Create(TForm& form, TBounds bounds, DWORD style = ES_AUTOHSCROLL | WS_TABSTOP);
    std::string SelText() const;
    void SetPasswordChar(char c);
};

// Designed values of a push button; fields in this order for designated initializers.
struct TButtonProps {
    std::string caption{};
    int modalResult = mrNone;
    bool isDefault = false;
    bool cancel = false;
    std::function<void()> onClick{};
};

class TButton : public TWinControl {
public:
    void Create(TForm& form, TBounds bounds, TButtonProps props);
};

// Static text; `style` SS_LEFT, SS_CENTER, ...
class TLabel : public TWinControl {
public:
    void Create(TForm& form, TBounds bounds, std::string_view text, DWORD style = SS_LEFT);
};

// Status bar with one simple text area, along the bottom of the form.
class TStatusBar : public TWinControl {
public:
    void Create(TForm& form);
    void SetText(std::string_view text);
    // Follows the form's size; call from the form's WM_SIZE.
    void AutoSize() { SendMessageA(FHandle, WM_SIZE, 0, 0); }
    int Height() const;
};

// List view in report mode: full-row, single selection, read-only unless styles say otherwise.
// With LVS_OWNERDATA the rows are virtual and their text comes from OnGetText.
class TListView : public TWinControl {
public:
    TListView() = default;
    ~TListView();
    void Create(TForm& form, TBounds bounds,
                DWORD style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP);
    static TListView* FromHandle(HWND window);

    void AddColumn(std::string_view caption, int width);
    // A width or LVSCW_AUTOSIZE (-1) / LVSCW_AUTOSIZE_USEHEADER (-2); such a code stays the
    // column's width until the user resizes the column.
    void SetColumnWidth(int column, int width);
    int ColumnWidth(int column) const;

    int Count() const;
    // Replaces all rows at once, repainting once.
    void SetItems(const std::vector<std::string>& texts);
    void DeleteItem(int row);
    void Clear();
    std::string ItemText(int row) const;
    // Virtual rows: their number and the text of a row (column 0).
    void SetVirtualCount(int count);
    std::function<std::string(int row)> OnGetText;

    int SelectedIndex() const;
    // Selects and focuses a row (scrolled into view); -1 clears the selection.
    void Select(int row);
    RECT ItemRect(int row) const;
    // The row at a client point, or -1.
    int ItemAt(POINT client) const;

    // LVN_GETDISPINFO for virtual rows; the form routes it here.
    bool HandleNotify(NMHDR& header);

private:
    struct TWidthCode {
        int code;
        int actual;
    };
    std::vector<TWidthCode> FWidthCodes;
};

} // namespace porutena
