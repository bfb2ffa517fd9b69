#include "ui/main/Splitter.h"

#include <commctrl.h>

namespace porutena {

TSplitter::~TSplitter() {
    if (FHandle && IsWindow(FHandle))
        RemoveWindowSubclass(FHandle, Proc, 0);
}

void TSplitter::Create(TForm& form, TBounds bounds) {
    // A static control with SS_NOTIFY receives the mouse; it draws nothing but the form's face.
    Attach(form.CreateControl("STATIC", "", WS_VISIBLE | SS_NOTIFY, bounds));
    SetWindowSubclass(FHandle, Proc, 0, reinterpret_cast<DWORD_PTR>(this));
}

int TSplitter::ScreenY(HWND window, LPARAM lParam) {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(window, &p);
    return p.y;
}

bool TSplitter::HandleMouse(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, IDC_SIZENS));
        return true;
    case WM_LBUTTONDOWN:
        FDragging = true;
        FStartY = ScreenY(FHandle, lParam);
        FStartSize = OnGetSize ? OnGetSize() : 0;
        SetCapture(FHandle);
        return true;
    case WM_MOUSEMOVE:
        if (FDragging && OnResize)
            OnResize(FStartSize + ScreenY(FHandle, lParam) - FStartY);
        return FDragging;
    case WM_LBUTTONUP:
        if (FDragging)
            ReleaseCapture(); // WM_CAPTURECHANGED ends the drag
        return true;
    case WM_CAPTURECHANGED:
        FDragging = false;
        return false;
    default:
        return false;
    }
}

LRESULT CALLBACK TSplitter::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR /*id*/, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, Proc, 0);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    if (reinterpret_cast<TSplitter*>(self)->HandleMouse(message, lParam))
        return message == WM_SETCURSOR ? TRUE : 0;
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace porutena
