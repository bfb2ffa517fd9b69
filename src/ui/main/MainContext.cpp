#include "ui/main/MainContext.h"

#include "platform/win32/OpenFileDialog.h"
#include "platform/win32/WinClipboard.h"
#include "platform/win32/WinShell.h"

namespace porutena {

TMainContext SystemContext(TKeyStore& keyStore, const TProgramStart& start,
                           const IDirectorySearch& search) {
    return {
        .KeyStore = keyStore,
        .Start = start,
        .Search = search,
        .MakeShell = [](HWND owner) { return std::make_unique<TWinShell>(owner); },
        .MakeClipboard = [](HWND owner) { return std::make_unique<TWinClipboard>(owner); },
        .MakeOpenDialog = [](HWND owner) { return std::make_unique<TOpenFileDialog>(owner); },
    };
}

} // namespace porutena
