#pragma once
// What the main window reaches outside itself, handed in by whoever creates it: the program
// passes the system's pieces, tests pass fakes or the real ones as they need.
#include "core/DirectorySearch.h"
#include "platform/Clipboard.h"
#include "platform/OpenDialog.h"
#include "platform/ProgramStart.h"
#include "platform/RegistryKey.h"
#include "platform/Shell.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace porutena {

struct TMainContext {
    // Where the settings are kept.
    TKeyStore& KeyStore;
    // The command-line names and the program's own folder.
    const TProgramStart& Start;
    // The file system the names are converted through.
    const IDirectorySearch& Search;
    // Made once the window exists, which they take as their owner.
    std::function<std::unique_ptr<TShell>(HWND owner)> MakeShell;
    std::function<std::unique_ptr<TClipboard>(HWND owner)> MakeClipboard;
    std::function<std::unique_ptr<TOpenDialog>(HWND owner)> MakeOpenDialog;
};

// The context of the running program: the given stores with the system's shell, clipboard
// and open dialog.
TMainContext SystemContext(TKeyStore& keyStore, const TProgramStart& start,
                           const IDirectorySearch& search);

} // namespace porutena
