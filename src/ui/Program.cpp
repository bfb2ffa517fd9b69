// ぽるてな: puts the names of files on the clipboard.
#include "platform/win32/CurrentUserKeyStore.h"
#include "platform/win32/Process.h"
#include "platform/win32/Win32DirectorySearch.h"
#include "resource.h"
#include "ui/frame/Frame.h"
#include "ui/main/CodePageWarning.h"
#include "ui/main/Main.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    using namespace porutena;
    WarnOfCodePage(GetACP());
    TApplication application(instance);
    application.SetTitle("ぽるてな");
    application.SetIcon(IDI_PORUTENA);

    TCurrentUserKeyStore keyStore;
    const TWinProgramStart start;
    const TWin32DirectorySearch search;
    TfrmMain frmMain(application, SystemContext(keyStore, start, search));
    application.Run();
    return 0;
}
