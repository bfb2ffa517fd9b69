#pragma once
// A horizontal bar the user drags to change the height of the control above it. The bar
// only reports the height asked for; its owner clamps it and lays the controls out again.
#include "ui/frame/Controls.h"

#include <functional>

namespace porutena {

class TSplitter : public TWinControl {
public:
    TSplitter() = default;
    ~TSplitter();

    void Create(TForm& form, TBounds bounds);
    bool Dragging() const { return FDragging; }

    // The height of the control above when a drag begins.
    std::function<int()> OnGetSize;
    // The height the drag now asks for: the one at its start plus the mouse's way down.
    std::function<void(int size)> OnResize;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR self);
    bool HandleMouse(UINT message, LPARAM lParam);
    static int ScreenY(HWND window, LPARAM lParam);

    bool FDragging = false;
    int FStartY = 0;
    int FStartSize = 0;
};

} // namespace porutena
