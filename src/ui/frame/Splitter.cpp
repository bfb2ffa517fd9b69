#include "ui/frame/Splitter.h"

#include "ui/frame/Application.h"

namespace porutena {

void TSplitter::Create(TForm& form, TBounds bounds, TWinControl& resized, int minSize) {
    FApp = &form.App();
    FResized = &resized;
    FMinSize = minSize;
    Attach(CreateControl(form, SplitterClassName, "", WS_VISIBLE, bounds));
}

LRESULT CALLBACK TSplitter::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* splitter = WrapperOf<TSplitter>(window);
    bool handled = false;
    if (splitter)
        splitter->FApp->Guard([&] { handled = splitter->Message(message, lParam); });
    return handled ? 0 : DefWindowProcW(window, message, wParam, lParam);
}

bool TSplitter::Message(UINT message, LPARAM lParam) {
    // Screen coordinates: the bar itself moves while it is dragged.
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, IDC_SIZENS));
        return true;
    case WM_LBUTTONDOWN:
        ClientToScreen(FHandle, &at);
        FStartY = at.y;
        FStartHeight = FResized->Bounds().height;
        SetCapture(FHandle);
        return true;
    case WM_MOUSEMOVE:
        if (GetCapture() != FHandle)
            return false;
        ClientToScreen(FHandle, &at);
        if (OnMoved) {
            const TForm* form = TForm::FromHandle(GetParent(FHandle));
            const int least = form ? form->Scale(FMinSize) : FMinSize;
            const int height = FStartHeight + at.y - FStartY;
            OnMoved(height < least ? least : height);
        }
        return true;
    case WM_LBUTTONUP:
        if (GetCapture() == FHandle)
            ReleaseCapture();
        return true;
    default:
        return false;
    }
}

} // namespace porutena
