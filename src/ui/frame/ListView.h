#pragma once
// A list view in report mode whose rows are texts held here: the control asks for the rows
// it draws, so replacing thousands of rows costs one pass over the texts. Whole-row, single
// selection, read-only. A row cut off shows its whole text in a tooltip.
#include "ui/frame/Controls.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace porutena {

class TListView : public TWinControl {
public:
    ~TListView() override;

    // `style` adds to report mode, single selection and virtual rows (LVS_SHOWSELALWAYS, ...).
    void Create(TForm& form, TBounds bounds, DWORD style = WS_TABSTOP);

    void AddColumn(std::string_view caption, int width);
    // A width in pixels or LVSCW_AUTOSIZE (-1) / LVSCW_AUTOSIZE_USEHEADER (-2), which the
    // control sizes the column by; such a code stays the column's width until the column
    // gets another width, from here or from the user.
    void SetColumnWidth(int column, int width);
    int ColumnWidth(int column) const;
    // The outer height at which the heading and `rows` rows show whole, also under a
    // horizontal scroll bar.
    int HeightForRows(int rows) const;

    int Count() const { return static_cast<int>(FRows.size()); }
    const std::vector<std::string>& Items() const { return FRows; }
    // Replaces every row (the first column's texts); no row stays selected.
    void SetItems(std::vector<std::string> texts);
    void DeleteItem(int row);
    void Clear() { SetItems({}); }
    // The row's text; empty outside the rows.
    std::string ItemText(int row) const;

    int SelectedIndex() const;
    // Selects and focuses a row and scrolls it into view; -1 clears the selection.
    void Select(int row);
    // The row's bounds in client coordinates (empty when outside the rows).
    RECT ItemRect(int row) const;
    // The row at a client point, or -1.
    int ItemAt(POINT client) const;
    // What the row's tooltip shows: its whole text where the list cuts it off, else nothing.
    std::string TipText(int row) const;

    // A row became selected or deselected (a deselection is reported before the selection
    // that replaces it).
    std::function<void(int row, bool selected)> OnSelectItem;

protected:
    bool HandleNotify(NMHDR& header, LRESULT& result) override;
    void WindowGone(HWND window) override;

private:
    // One tooltip over the whole list, asked for its text each time it shows.
    void CreateTip(TForm& form);
    void MouseMoved(POINT client);
    static LRESULT CALLBACK TipRowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR list);
    bool ItemChanged(const NMLISTVIEW& change);
    bool RangeChanged(const NMLVODSTATECHANGE& change);
    void Report(int row, bool selected);

    struct TWidthCode {
        int code;
        int actual;
    };
    std::vector<std::string> FRows;
    std::vector<TWidthCode> FWidthCodes;
    int FSelected = -1;
    HWND FTips = nullptr;
    int FTipRow = -1;      // under the mouse
    std::wstring FTipText; // kept for the tooltip's text pointer
};

} // namespace porutena
