// ぽるてな: puts the names of files on the clipboard.
#include "platform/win32/CurrentUserKeyStore.h"
#include "platform/win32/Process.h"
#include "platform/win32/Win32DirectorySearch.h"
#include "platform/win32/WideText.h"
#include "resource.h"
#include "ui/frame/Frame.h"
#include "ui/main/Main.h"

#include <cstdlib>

// The library's default terminate handler prints the exception's demangled type to standard
// error, which a windowed program does not have, and links the demangler (45 KB) for it; this
// one ends the program the same way, without the message nobody sees.
void __gnu_cxx::__verbose_terminate_handler() {
    std::abort();
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    using namespace porutena;
    try {
        TApplication application(instance);
        application.SetTitle("ぽるてな");
        application.SetIcon(IDI_PORUTENA);

        TCurrentUserKeyStore keyStore;
        const TWinProgramStart start;
        const TWin32DirectorySearch search;
        TfrmMain frmMain(application, SystemContext(keyStore, start, search));
        application.Run();
    } catch (const std::exception& e) {
        // The application or its main form could not be made (a window class, the font, a
        // menu): only the system's box is left to say so.
        MessageBoxW(nullptr, Widen(ErrorBoxText(e.what())).c_str(), L"ぽるてな",
                    MB_ICONSTOP | MB_OK);
        return 1;
    }
    return 0;
}
