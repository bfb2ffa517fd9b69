#include "ui/frame/Form.h"

#include "ui/frame/Application.h"

// What a form does about the display scale: its DPI, design values at it, and the move to a
// display of another DPI.
namespace porutena {

TBounds TForm::Scale(TBounds bounds) const {
    return {Scale(bounds.x), Scale(bounds.y), Scale(bounds.width), Scale(bounds.height)};
}

HFONT TForm::Font() const {
    return FApp.Font(FDpi);
}

void TForm::AdoptDpi() {
    // A dialog keeps its owner's DPI, for which it was sized and placed.
    if (FKind == TFormKind::Main)
        FDpi = WindowDpi(FHandle);
    if (HICON icon = FApp.Icon())
        SendMessageW(FHandle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    if (HICON icon = FApp.SmallIcon(FDpi))
        SendMessageW(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TForm::DpiChanged(int dpi, const RECT& suggested) {
    const int oldDpi = FDpi;
    FDpi = dpi;
    for (HWND child = GetWindow(FHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    if (HICON icon = FApp.SmallIcon(FDpi))
        SendMessageW(FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    FApp.Guard([&] { FormDpiChanged(oldDpi); });
    SetWindowPos(FHandle, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Laid out also where the suggested size is the present one.
    Resized();
}

} // namespace porutena
