#include "ui/frame/Application.h"

#include "core/Errors.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"
#include "ui/frame/Dpi.h"
#include "ui/frame/Form.h"
#include "ui/frame/Splitter.h"

#include <commctrl.h>
#include <utility>

namespace porutena {

namespace {

// Idle work (the hint under the mouse) also runs when the mouse leaves our windows.
constexpr UINT IdleTimerMs = 250;

LOGFONTW FormFont() {
    LOGFONTW lf{};
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    // By its UTF-16 name: GDI reads a narrow face name in the system's code page.
    lstrcpynW(lf.lfFaceName, L"ＭＳ Ｐゴシック", LF_FACESIZE);
    return lf;
}

} // namespace

TApplication::TApplication(HINSTANCE instance) : FInstance(instance) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);

    const std::wstring formClass = Widen(FormClassName);
    const std::wstring splitterClass = Widen(SplitterClassName);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = TForm::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = formClass.c_str();
    CheckedHandle(RegisterClassExW(&wc), "RegisterClassExW");
    wc.lpfnWndProc = TSplitter::WindowProc;
    wc.hCursor = LoadCursor(nullptr, IDC_SIZENS);
    wc.lpszClassName = splitterClass.c_str();
    CheckedHandle(RegisterClassExW(&wc), "RegisterClassExW");

    const LOGFONTW lf = FormFont();
    FFont.Reset(CheckedHandle(CreateFontIndirectW(&lf), "CreateFontIndirectW"));
}

TApplication::~TApplication() {
    UnregisterClassW(Widen(FormClassName).c_str(), FInstance);
    UnregisterClassW(Widen(SplitterClassName).c_str(), FInstance);
}

void TApplication::SetIcon(int resourceId) {
    for (int size : {16, 24, 32, 48, 64})
        FIcons[size] = LoadIconResource(FInstance, resourceId, size);
}

HICON TApplication::IconOfSize(int size) const {
    auto icon = FIcons.find(size);
    return icon != FIcons.end() ? icon->second.Get() : nullptr;
}

HICON TApplication::Icon(int dpi) const {
    return IconOfSize(DrawnSizeForDpi(32, dpi));
}

HICON TApplication::SmallIcon(int dpi) const {
    return IconOfSize(GlyphSizeForDpi(dpi));
}

HFONT TApplication::Font(int dpi) {
    if (dpi == DesignDpi)
        return FFont.Get();
    auto& font = FScaledFonts[dpi];
    if (!font) {
        const LOGFONTW lf = FontForDpi(FormFont(), dpi);
        font.Reset(CheckedHandle(CreateFontIndirectW(&lf), "CreateFontIndirectW"));
    }
    return font.Get();
}

void TApplication::Run() {
    if (FMainForm && !IsWindowVisible(FMainForm->Handle()))
        FMainForm->Show();
    UINT_PTR timer = SetTimer(nullptr, 0, IdleTimerMs, nullptr);
    while (FMainForm && HandleMessage()) {
    }
    KillTimer(nullptr, timer);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            FTerminated = true;
            return;
        }
        ProcessMessage(msg);
    }
    Idle();
}

bool TApplication::HandleMessage() {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        Idle();
        if (GetMessageW(&msg, nullptr, 0, 0) == -1)
            return false;
    }
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return false;
    }
    ProcessMessage(msg);
    return true;
}

void TApplication::ProcessMessage(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    TForm* form = TForm::FromHandle(root);
    if (form && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            // Only the form the key belongs to sees it: a modal dialog's keys stay there.
            bool taken = true;
            Guard([&] { taken = form->IsShortCut(msg.hwnd, ShortCutOfKey(msg.wParam)); });
            if (taken)
                return;
            taken = true;
            Guard([&] { taken = form->DialogKey(msg); });
            if (taken)
                return;
        }
        // Tab and mnemonics; Enter and Esc go to the focused control when no button took them.
        bool enterOrEsc =
            msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
        if (!enterOrEsc && IsDialogMessageW(root, &msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void TApplication::SetHint(std::string_view hint) {
    if (hint == FHint)
        return;
    FHint = hint;
    if (OnHint)
        Guard(OnHint);
}

void TApplication::UpdateHintAt(POINT screen) {
    HWND window = WindowFromPoint(screen);
    // WindowFromPoint passes over disabled controls; their hints count too.
    while (window) {
        POINT client = screen;
        ScreenToClient(window, &client);
        HWND child =
            ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == window)
            break;
        window = child;
    }
    TForm* form = window ? TForm::FromHandle(GetAncestor(window, GA_ROOT)) : nullptr;
    SetHint(form ? form->HintAt(window, screen) : std::string());
}

void TApplication::Idle() {
    if (FInMenu)
        return;
    POINT cursor;
    if (GetCursorPos(&cursor))
        UpdateHintAt(cursor);
}

void TApplication::HandleException(std::exception_ptr error) noexcept {
    std::string message;
    try {
        std::rethrow_exception(std::move(error));
    } catch (const EAbort&) {
        return;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "予期しないエラーが発生しました";
    }
    try {
        FMessageBoxes->Show(DialogOwner(), ErrorBoxText(message), FTitle, MB_ICONSTOP | MB_OK);
    } catch (...) {
        // Nothing is left to report a failing error box with.
    }
}

void TApplication::SetMessageBoxes(IMessageBoxes* boxes) {
    FMessageBoxes = boxes ? boxes : &FSystemBoxes;
}

HWND TApplication::DialogOwner() const {
    if (!FModalForms.empty())
        return FModalForms.back()->Handle();
    return FMainForm ? FMainForm->Handle() : nullptr;
}

void TApplication::ModalLoop(TForm& form, bool entered) {
    if (entered)
        FModalForms.push_back(&form);
    else
        std::erase(FModalForms, &form);
}

void TApplication::FormCreated(TForm& form) {
    if (!FMainForm)
        FMainForm = &form;
}

void TApplication::FormDestroyed(TForm& form, bool endLoop) {
    if (FMainForm != &form)
        return;
    FMainForm = nullptr;
    if (endLoop)
        PostQuitMessage(0);
}

void TApplication::MenuLoop(bool entered) {
    FInMenu = entered;
    if (!entered)
        SetHint({});
}

} // namespace porutena
