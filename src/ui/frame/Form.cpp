#include "ui/frame/Form.h"

#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"
#include "ui/frame/Application.h"
#include "ui/frame/Controls.h"
#include "ui/frame/Menu.h"
#include "ui/frame/WindowText.h"

#include <algorithm>

namespace porutena {

TForm::TForm(TApplication& app, TFormKind kind) : FApp(app), FKind(kind) {}

TForm::~TForm() {
    if (FHandle) {
        // The derived part is gone: no handler may run any more.
        HWND window = FHandle;
        Unbind(window);
        FHandle = nullptr;
        FApp.FormDestroyed(*this, false);
        DestroyWindow(window);
    }
}

void TForm::Create(std::string_view caption, int width, int height) {
    std::string text(caption);
    HMENU menu = FMainMenu ? FMainMenu->Handle() : nullptr;
    if (FKind == TFormKind::Main) {
        const int screenDpi = WindowDpi(nullptr);
        FDpi = screenDpi;
        CheckedHandle(CreateWindowExW(0, Widen(FormClassName).c_str(), Widen(text).c_str(),
                                      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                      CW_USEDEFAULT, Scale(width), Scale(height), nullptr, menu,
                                      FApp.Instance(), this),
                      "CreateWindowExW");
        // Placed on a monitor of another DPI than the screen's.
        if (FHandle && FDpi != screenDpi)
            SetWindowPos(FHandle, nullptr, 0, 0, Scale(width), Scale(height),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | DS_MODALFRAME;
    DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    HWND owner = FApp.DialogOwner();
    const TForm* ownerForm = FromHandle(owner);
    FDpi = ownerForm ? ownerForm->Dpi() : WindowDpi(owner);
    const RECT r = CentredWindowRect(owner, Scale(width), Scale(height), style, exStyle,
                                     menu != nullptr, FDpi);
    CheckedHandle(CreateWindowExW(exStyle, Widen(FormClassName).c_str(), Widen(text).c_str(), style,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, owner, menu,
                                  FApp.Instance(), this),
                  "CreateWindowExW");
}

void TForm::Destroy() {
    if (FHandle)
        DestroyWindow(FHandle);
}

std::string TForm::Caption() const {
    return WindowText<char>(FHandle);
}

void TForm::SetCaption(std::string_view caption) {
    SetWindowTextW(FHandle, Widen(caption).c_str());
}

void TForm::Show() {
    ShowWindow(FHandle, SW_SHOW);
    UpdateWindow(FHandle);
}

int TForm::Width() const {
    RECT r{};
    GetWindowRect(FHandle, &r);
    return r.right - r.left;
}

int TForm::Height() const {
    RECT r{};
    GetWindowRect(FHandle, &r);
    return r.bottom - r.top;
}

void TForm::SetWidth(int width) {
    SetWindowPos(FHandle, nullptr, 0, 0, width, Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetHeight(int height) {
    SetWindowPos(FHandle, nullptr, 0, 0, Width(), height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TForm::ClientWidth() const {
    RECT r{};
    GetClientRect(FHandle, &r);
    return r.right;
}

int TForm::ClientHeight() const {
    RECT r{};
    GetClientRect(FHandle, &r);
    return r.bottom;
}

void TForm::SetClientHeight(int height) {
    SetHeight(Height() - ClientHeight() + height);
}

SIZE TForm::MinSize() const {
    SIZE client = FormMinClientSize();
    if (client.cx <= 0 && client.cy <= 0)
        return {};
    // A menu bar wrapped onto a second line would take the room of the controls.
    client.cx = std::max<LONG>(client.cx, MenuBarWidth());
    return OuterSize(
        client.cx, client.cy, static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_STYLE)),
        static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_EXSTYLE)), FMainMenu != nullptr, FDpi);
}

int TForm::MenuBarWidth() const {
    HMENU menu = GetMenu(FHandle);
    int width = 0;
    for (int item = 0; menu && item < GetMenuItemCount(menu); ++item) {
        RECT r{};
        if (GetMenuItemRect(FHandle, menu, static_cast<UINT>(item), &r))
            width += r.right - r.left;
    }
    return width;
}

void TForm::SetSizeOnScreen(int width, int height) {
    const SIZE least = MinSize();
    const RECT area = WorkAreaOf(FHandle);
    auto fit = [](int value, int current, int least, int most) {
        return value == 0 ? current : std::clamp(value, least, std::max(least, most));
    };
    width = fit(width, Width(), least.cx, area.right - area.left);
    height = fit(height, Height(), least.cy, area.bottom - area.top);
    RECT r{};
    GetWindowRect(FHandle, &r);
    const int left = std::max<int>(area.left, std::min<int>(r.left, area.right - width));
    const int top = std::max<int>(area.top, std::min<int>(r.top, area.bottom - height));
    SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Restore() {
    // A window minimised from the maximised state restores to maximised first.
    for (int step = 0; step < 2 && (Maximized() || Minimized()); ++step)
        ShowWindow(FHandle, SW_RESTORE);
}

void TForm::Close() {
    SendMessageW(FHandle, WM_CLOSE, 0, 0);
}

void TForm::AddBevel(TBounds bounds) {
    FBevels.push_back(bounds);
    const TBounds b = Scale(bounds);
    RECT r{b.x, b.y, b.x + b.width, b.y + b.height};
    InvalidateRect(FHandle, &r, TRUE);
}

void TForm::PaintBevels(HDC dc) const {
    for (const TBounds& bevel : FBevels) {
        const TBounds b = Scale(bevel);
        RECT r{b.x, b.y, b.x + b.width, b.y + b.height};
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    }
}

void TForm::SetHint(HWND control, std::string hint) {
    FHints[control] = std::move(hint);
}

std::string TForm::HintAt(HWND control, POINT screen) const {
    for (HWND window = control; window; window = window == FHandle ? nullptr : GetParent(window)) {
        if (auto* control = WrapperOf<TWinControl>(window))
            if (std::string hint = control->HintAt(screen); !hint.empty())
                return LongHint(hint);
        auto hint = FHints.find(window);
        if (hint != FHints.end() && !hint->second.empty())
            return LongHint(hint->second);
    }
    return {};
}

void TForm::SetPopupMenu(HWND control, TPopupMenu* menu) {
    if (menu) {
        FPopupMenus[control] = menu;
        if (control != FHandle)
            SetWindowSubclass(control, PopupOwnerProc, 0, reinterpret_cast<DWORD_PTR>(FHandle));
    } else {
        FPopupMenus.erase(control);
        RemoveWindowSubclass(control, PopupOwnerProc, 0);
    }
}

// Some controls show a menu of their own on WM_CONTEXTMENU instead of passing it up; a
// control with our context menu hands the request to the form.
LRESULT CALLBACK TForm::PopupOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR form) {
    if (message == WM_CONTEXTMENU) {
        SendMessageW(reinterpret_cast<HWND>(form), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window),
                     lParam);
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, PopupOwnerProc, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}

void TForm::Register(TActionList* list) {
    FActionLists.push_back(list);
}

void TForm::Unregister(TActionList* list) {
    std::erase(FActionLists, list);
}

void TForm::Register(TMenu* menu, bool mainMenu) {
    FMenus.push_back(menu);
    if (mainMenu) {
        FMainMenu = static_cast<TMainMenu*>(menu);
        if (FHandle) {
            SetMenu(FHandle, menu->Handle());
            DrawMenuBar(FHandle);
        }
    }
}

void TForm::Unregister(TMenu* menu) {
    std::erase(FMenus, menu);
    std::erase_if(FPopupMenus, [&](const auto& entry) { return entry.second == menu; });
    if (FMainMenu == menu)
        FMainMenu = nullptr;
}

LRESULT CALLBACK TForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TForm* form;
    if (message == WM_NCCREATE) {
        form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->FHandle = window;
        form->Bind(window);
    } else {
        form = FromHandle(window);
    }
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    bool handled = false;
    form->FApp.Guard([&] { handled = form->Dispatch(message, wParam, lParam, result); });
    if (message == WM_NCDESTROY) {
        Unbind(window);
        form->FHandle = nullptr;
        form->FApp.FormDestroyed(*form, true);
    }
    return handled ? result : DefWindowProcW(window, message, wParam, lParam);
}

bool TForm::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (OnMessage(message, wParam, lParam, result))
        return true;
    switch (message) {
    case WM_CREATE:
        FApp.FormCreated(*this);
        AdoptDpi();
        FApp.Guard([&] { CreateControls(); });
        FApp.Guard([&] { FormCreate(); });
        result = 0;
        return true;
    case WM_DESTROY:
        FApp.Guard([&] { FormDestroy(); });
        // The main menu belongs to its TMainMenu, not to the window.
        if (FMainMenu)
            SetMenu(FHandle, nullptr);
        return true;
    case WM_CLOSE:
        CloseRequest();
        return true;
    case WM_ENDSESSION:
        if (wParam)
            FApp.Guard([&] { FormEndSession(); });
        result = 0;
        return true;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(FHandle, focus))
                FSavedFocus = focus;
        } else {
            FormActivate();
        }
        return false;
    case WM_SETFOCUS:
        // The control that had the focus gets it back, at first the first in tab order. Given
        // back, the focus has not moved between controls: that control is not entered again.
        if (FSavedFocus && IsWindow(FSavedFocus) && IsChild(FHandle, FSavedFocus)) {
            FRestoringFocus = true;
            SetFocus(FSavedFocus);
            FRestoringFocus = false;
        } else {
            FocusFirstControl();
        }
        return true;
    case WM_PAINT:
        if (FBevels.empty())
            return false;
        {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(FHandle, &paint);
            PaintBevels(dc);
            EndPaint(FHandle, &paint);
        }
        return true;
    case WM_PRINTCLIENT: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        RECT client{};
        GetClientRect(FHandle, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        PaintBevels(dc);
        return true;
    }
    case WM_DPICHANGED:
        DpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        result = 0;
        return true;
    case WM_GETMINMAXINFO: {
        const SIZE least = MinSize();
        POINT& track = reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize;
        track.x = std::max(track.x, least.cx);
        track.y = std::max(track.y, least.cy);
        result = 0;
        return true;
    }
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            Resized();
        return false;
    case WM_COMMAND:
        Command(wParam, lParam);
        return true;
    case WM_NOTIFY: {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (auto* sender = WrapperOf<TWinControl>(header.hwndFrom);
            sender && sender->HandleNotify(header, result))
            return true;
        return OnNotify(header, result);
    }
    case WM_MENUSELECT:
        MenuSelect(wParam, lParam);
        return true;
    case WM_ENTERMENULOOP:
        FApp.MenuLoop(true);
        return false;
    case WM_EXITMENULOOP:
        FApp.MenuLoop(false);
        return false;
    case WM_CONTEXTMENU:
        // Requests no menu of ours takes go on: on the title bar the system menu opens.
        return ContextMenu(reinterpret_cast<HWND>(wParam), {static_cast<short>(LOWORD(lParam)),
                                                            static_cast<short>(HIWORD(lParam))});
    default:
        return false;
    }
}

void TForm::Command(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (!control) {
        for (TMenu* menu : FMenus)
            if (TMenuItem* item = menu->FindCommand(id)) {
                item->Click();
                return;
            }
        return;
    }
    if (auto* sender = WrapperOf<TWinControl>(control); sender && sender->HandleCommand(id, code))
        return;
    OnCommand(id, code, control);
}

void TForm::Resized() {
    for (HWND child = GetWindow(FHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (auto* control = WrapperOf<TWinControl>(child))
            control->ParentResized();
    Realign();
}

void TForm::Realign() {
    FormResize();
    // Controls that moved carry their old pixels along, and a control's children (a list's
    // heading, a status bar's grip) repaint only what they think changed.
    RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TForm::MenuSelect(WPARAM wParam, LPARAM lParam) {
    UINT item = LOWORD(wParam);
    UINT flags = HIWORD(wParam);
    auto menu = reinterpret_cast<HMENU>(lParam);
    if (flags == 0xFFFF && !menu) {
        FApp.SetHint({});
        return;
    }
    TMenuItem* found = nullptr;
    for (TMenu* m : FMenus)
        if ((found = (flags & MF_POPUP) ? m->FindPosition(menu, item)
                                        : m->FindCommand(static_cast<int>(item))))
            break;
    FApp.SetHint(found ? LongHint(found->Hint()) : std::string());
}

bool TForm::ContextMenu(HWND control, POINT pos) {
    TPopupMenu* menu = nullptr;
    for (HWND window = control; window && !menu;
         window = window == FHandle ? nullptr : GetParent(window)) {
        auto popup = FPopupMenus.find(window);
        if (popup != FPopupMenus.end())
            menu = popup->second;
    }
    if (!menu)
        return false;
    if (ContextPopup(control, pos))
        return true;
    if (pos.x == -1 && pos.y == -1) {
        pos = {0, 0};
        ClientToScreen(control, &pos);
    }
    menu->Popup(pos);
    return true;
}

} // namespace porutena
