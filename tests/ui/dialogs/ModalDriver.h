#pragma once
// Drives the modal form a dialog component shows from inside its own loop: each step runs
// from a posted message, so whatever a step posted (a click, a key) is handled by the form
// before the next step looks at it. A form still open long after the last step is closed
// with a failure, so a fault never hangs the test program.
#include "ui/frame/Frame.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <stdexcept>
#include <string_view>

namespace porutena::test {

// The modal form a step is given, as the dialog's own form class.
template <class T> T& ModalForm(TForm& form) {
    auto* typed = dynamic_cast<T*>(&form);
    if (!typed)
        throw std::logic_error("the modal form is not of the expected class");
    return *typed;
}

class TModalDriver {
public:
    using TStep = std::function<void(TForm&)>;

    explicit TModalDriver(TApplication& app) : FApp(app) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = ClassName;
        RegisterClassExA(&wc); // fails harmlessly when already registered
        FWindow = CreateWindowExA(0, ClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
        SetWindowLongPtrA(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~TModalDriver() { DestroyWindow(FWindow); }
    TModalDriver(const TModalDriver&) = delete;
    TModalDriver& operator=(const TModalDriver&) = delete;

    TModalDriver& Then(TStep step) {
        FSteps.push_back(std::move(step));
        return *this;
    }
    // Call right before the component's Execute: the steps run once its form is modal.
    void Start() {
        SetTimer(FWindow, 1, TimeoutMs, nullptr);
        PostMessageA(FWindow, WM_APP, 0, 0);
    }

    // Steps that found a modal form and ran; the window of the last such form.
    int stepsRun = 0;
    HWND form = nullptr;

private:
    static constexpr const char* ClassName = "PorutenaModalDriver";
    static constexpr UINT TimeoutMs = 10000;

    TForm* ModalForm() const {
        TForm* found = TForm::FromHandle(FApp.DialogOwner());
        return found && found != FApp.MainForm() ? found : nullptr;
    }

    void RunNext() {
        if (FSteps.empty())
            return;
        TStep step = std::move(FSteps.front());
        FSteps.pop_front();
        TForm* modal = ModalForm();
        if (!modal) {
            ADD_FAILURE() << "no modal form for step " << stepsRun + 1;
            return;
        }
        form = modal->Handle();
        ++stepsRun;
        step(*modal);
        if (!FSteps.empty())
            PostMessageA(FWindow, WM_APP, 0, 0);
    }

    void Timeout() {
        KillTimer(FWindow, 1);
        if (TForm* modal = ModalForm()) {
            ADD_FAILURE() << "the modal form was still open";
            modal->SetModalResult(mrCancel);
        }
    }

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TModalDriver*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && message == WM_APP) {
            self->RunNext();
            return 0;
        }
        if (self && message == WM_TIMER) {
            self->Timeout();
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    TApplication& FApp;
    HWND FWindow = nullptr;
    std::deque<TStep> FSteps;
};

// Input as the user gives it, posted so that the form's loop handles it.
inline void PostClick(const TWinControl& button) {
    PostMessageA(button.Handle(), BM_CLICK, 0, 0);
}
inline void PostKey(HWND control, WORD key) {
    UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    PostMessageA(control, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageA(control, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000);
}
inline void PostCloseButton(const TForm& form) {
    PostMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

// Window text and styles as the window system holds them.
inline std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}
inline bool HasStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrA(window, GWL_STYLE) & style) == style;
}

// Position and size of a control in its form's client area.
inline void ExpectBounds(TBounds b, TBounds expected, std::string_view name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(b.x, expected.x);
    EXPECT_EQ(b.y, expected.y);
    EXPECT_EQ(b.width, expected.width);
    EXPECT_EQ(b.height, expected.height);
}

// Client size and the outer window centred on the screen.
inline void ExpectClientCentred(const TForm& form, int width, int height) {
    EXPECT_EQ(form.ClientWidth(), width);
    EXPECT_EQ(form.ClientHeight(), height);
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    EXPECT_NEAR(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2, 1);
    EXPECT_NEAR(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, 1);
}

} // namespace porutena::test
