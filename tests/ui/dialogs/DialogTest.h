#pragma once
// The application as the program sets it up (title, icon), a main window to own the
// dialogs, and message boxes replaced by a recorder.
#include "ModalDriver.h"
#include "resource.h"
#include "ui/frame/MessageBoxRecorder.h"

namespace porutena::test {

class TOwnerWindow : public TForm {
public:
    explicit TOwnerWindow(TApplication& app) : TForm(app, TFormKind::Main) {
        Create("ぽるてな", 400, 300);
        Show();
    }
};

class DialogTest : public ::testing::Test {
protected:
    DialogTest() {
        app.SetTitle("ぽるてな");
        app.SetIcon(IDI_PORUTENA);
        app.SetMessageBoxes(&recorder);
    }
    TApplication app{GetModuleHandleA(nullptr)};
    TMessageBoxRecorder recorder;
    TOwnerWindow owner{app};
};

} // namespace porutena::test
