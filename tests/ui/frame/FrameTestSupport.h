#pragma once
// A test window with actions, a main menu, a context menu, a toolbar and an edit box, and
// helpers that drive the application's message loop the way input would.
#include "MessageBoxRecorder.h"
#include "ui/frame/Frame.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace porutena::test {

// Holds modifier keys down in this thread's keyboard state while it lives.
class TKeysDown {
public:
    TKeysDown(std::initializer_list<int> keys) : FKeys(keys) { Set(0x80); }
    ~TKeysDown() { Set(0); }

private:
    void Set(BYTE state) {
        BYTE keys[256];
        GetKeyboardState(keys);
        for (int key : FKeys)
            keys[key] = state;
        SetKeyboardState(keys);
    }
    std::vector<int> FKeys;
};

// Posts a key press to a control and runs the loop over it.
inline void PressKey(TApplication& app, HWND control, WORD key) {
    UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    PostMessageA(control, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageA(control, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000);
    app.ProcessMessages();
}

inline void SendCommand(HWND form, int id, HWND control = nullptr, WORD code = 0) {
    SendMessageA(form, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

// Counts keyboard messages reaching a control.
class TKeyCounter {
public:
    explicit TKeyCounter(HWND control) : FControl(control) {
        SetWindowSubclass(control, Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~TKeyCounter() { RemoveWindowSubclass(FControl, Proc, 1); }
    int keys = 0;

private:
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
        if (m == WM_KEYDOWN || m == WM_CHAR)
            ++reinterpret_cast<TKeyCounter*>(self)->keys;
        return DefSubclassProc(w, m, wp, lp);
    }
    HWND FControl;
};

// Runs `work` from a timer, also inside the nested loops of system message boxes and
// menus, until it returns true.
class TTimerProbe : public TForm {
public:
    TTimerProbe(TApplication& app, std::function<bool()> work)
        : TForm(app, TFormKind::Dialog), FWork(std::move(work)) {
        Create("probe", 10, 10);
        SetTimer(Handle(), 1, 20, nullptr);
    }

protected:
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
        if (message == WM_TIMER && FWork && FWork()) {
            KillTimer(Handle(), 1);
            FWork = nullptr;
        }
        return false;
    }

private:
    std::function<bool()> FWork;
};

class FrameTest : public ::testing::Test {
protected:
    FrameTest() {
        app.SetTitle("テスト");
        app.SetMessageBoxes(&recorder);
    }
    TApplication app{GetModuleHandleA(nullptr)};
    TMessageBoxRecorder recorder;
};

// The icon's width in pixels.
inline int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

} // namespace porutena::test
