// The window's life cycle and its side of the name lists.
#include "ui/main/Main.h"

#include "core/StandardLibrary.h"

#include <shellapi.h>

namespace porutena {

TfrmMain::TfrmMain(TApplication& app, TMainContext context)
    : TForm(app, TFormKind::Main), FContext(std::move(context)) {
    DesignDialogs();
    Create("ぽるてな", MainLayout::FormWidth, MainLayout::FormHeight);
}

TfrmMain::~TfrmMain() {
    Destroy();
    App().OnHint = nullptr;
}

void TfrmMain::FormCreate() {
    DragAcceptFiles(Handle(), TRUE);
    App().OnHint = [this] { ApplicationHint(); };
    FRegistry = TPorutenaRegistry::Create(FContext.KeyStore);
    FFileList.clear();
    FOldList.clear();
    FFirstActivate = true;
    FRegistry->RaiseLoadError();
}

void TfrmMain::FormActivate() {
    if (!FFirstActivate)
        return;
    // Cleared first: a settings error that ApplySettings reports at its end must not bring
    // this work back at the next activation.
    FFirstActivate = false;
    // Converted while the settings are applied, then rendered once with the stored options.
    std::vector<std::string> arguments = FContext.Start.Arguments();
    if (!arguments.empty())
        StartConvertArguments(std::move(arguments));
    ApplySettings();
}

bool TfrmMain::FormCloseQuery() {
    // The size stored at exit is the normal one, never the maximised one.
    Restore();
    return true;
}

void TfrmMain::FormDestroy() {
    StopRendering();
    if (!FRegistry)
        return;
    const bool write = !FSettingsWritten;
    if (write)
        StoreSettings();
    // Freed on every path; a value that cannot be written is reported.
    const std::unique_ptr<TPorutenaRegistry> registry = std::move(FRegistry);
    if (write)
        registry->Save();
}

void TfrmMain::FormEndSession() {
    // The system ends the process after this without destroying the window, so the settings
    // are written now, as at a close, and not again should the window still be destroyed.
    if (!FRegistry || FSettingsWritten)
        return;
    FSettingsWritten = true;
    FormCloseQuery();
    StoreSettings();
    FRegistry->Save();
}

bool TfrmMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_DROPFILES:
        WMDropFiles(reinterpret_cast<HDROP>(wParam));
        result = 0;
        return true;
    case WM_ROWSREADY:
        RowsReady();
        result = 0;
        return true;
    case WM_TIMER:
        if (wParam != ProgressTimer)
            return false;
        ShowProgress();
        result = 0;
        return true;
    case WM_SETCURSOR:
        // Over every control of the window, which ask it first.
        if (!FProgressShown || LOWORD(lParam) != HTCLIENT)
            return false;
        SetCursor(LoadCursor(nullptr, IDC_APPSTARTING));
        result = TRUE;
        return true;
    default:
        return false;
    }
}

void TfrmMain::ApplicationHint() {
    // The progress of a rendering stands until it ends.
    if (!FProgressShown)
        stbStatus.SetSimpleText(App().Hint());
}

TViewOptions TfrmMain::ViewOptions() const {
    // Only the check states count, never the toolbar buttons' pressed states.
    TViewOptions options;
    options.Style =
        mnuFileOnly.Checked() ? TFileViewStyle::fvsFileOnly : TFileViewStyle::fvsFullPath;
    options.Length =
        mnuLongFileName.Checked() ? TFileViewLength::fvlLongName : TFileViewLength::fvlShortName;
    options.Sep = actSepYen.Checked()         ? TPathSep::psYen
                  : actSepDoubleYen.Checked() ? TPathSep::psDoubleYen
                                              : TPathSep::psSlash;
    return options;
}

void TfrmMain::AddFile(std::string Name) {
    porutena::AddFile(FFileList, std::move(Name));
    actCopyAll.SetEnabled(true);
}

void TfrmMain::SetFileNameText(std::string_view Text) {
    edtFileName.SetText(Text);
}

} // namespace porutena
