#pragma once
// A horizontal bar the user drags to change the height of the control above it.
#include "ui/frame/Controls.h"

#include <functional>

namespace porutena {

inline constexpr const char* SplitterClassName = "PorutenaSplitter";

class TSplitter : public TWinControl {
public:
    // `resized` is the control above; a drag never makes it lower than `minSize` (at 96 DPI).
    void Create(TForm& form, TBounds bounds, TWinControl& resized, int minSize = 1);
    // The window procedure of the splitter class.
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // A drag step asks for this height of the control above; the form lays out again (and
    // may give less where the space below runs out).
    std::function<void(int height)> OnMoved;

private:
    bool Message(UINT message, LPARAM lParam);

    TApplication* FApp = nullptr;
    TWinControl* FResized = nullptr;
    int FMinSize = 1;
    int FStartY = 0;
    int FStartHeight = 0;
};

} // namespace porutena
