// Shows one of the program's dialogs as the main window designs it, for a look at its
// layout: dialogs_preview integer | refused | about. "refused" types 0 and presses OK,
// so the range refusal shows over the dialog.
#include "resource.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/InputDialog.h"
#include "ui/dialogs/InputInteger.h"
#include "ui/frame/Frame.h"

#include <string>

namespace porutena {
namespace {

// The hidden owner of the dialog; with `refuse`, it enters 0 into the dialog once shown.
class TPreviewOwner : public TForm {
public:
    TPreviewOwner(TApplication& app, bool refuse) : TForm(app, TFormKind::Main) {
        Create("ぽるてな", 300, 200);
        if (refuse)
            SetTimer(Handle(), 1, 500, nullptr);
    }

protected:
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != WM_TIMER)
            return false;
        KillTimer(Handle(), 1);
        if (auto* dlg = dynamic_cast<TIntegerDlg*>(TForm::FromHandle(App().DialogOwner()))) {
            dlg->InputValue.SetText("0");
            PostMessageA(dlg->bbnOK.Handle(), BM_CLICK, 0, 0);
        }
        result = 0;
        return true;
    }
};

} // namespace
} // namespace porutena

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    using namespace porutena;
    std::string which = commandLine;
    TApplication app(instance);
    app.SetTitle("ぽるてな");
    app.SetIcon(IDI_PORUTENA);
    TPreviewOwner owner(app, which == "refused");
    if (which == "about") {
        TAboutDialog dialog(app);
        dialog.Version = "0.90";
        dialog.Year = "2026";
        dialog.Copyright = "Zon";
        return dialog.Execute() ? 0 : 1;
    }
    TIntegerDialog dialog(app);
    dialog.Caption = "旧リストに残す数";
    dialog.Information = "現在値：5  (1～100)";
    dialog.SetMax(100);
    dialog.SetMin(1);
    return dialog.Execute() ? 0 : 1;
}
