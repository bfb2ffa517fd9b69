#pragma once
// The system's multi-select open-file dialog (GetOpenFileNameW, Explorer style); the chosen
// names become program text by NarrowName.
#include "platform/OpenDialog.h"

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>
#include <vector>

namespace porutena {

class TOpenFileDialog final : public TOpenDialog {
public:
    using TShowDialog = std::function<BOOL(OPENFILENAMEW*)>;
    using TExtendedError = std::function<DWORD()>;

    // Room for the chosen names: the dialog lists them without their folder, so this holds
    // many thousands even of long names.
    static constexpr DWORD BufferSize = 1024 * 1024;

    // `owner` (borrowed, may be null) owns the dialog while it shows. Tests pass their own
    // dialog call and error query in place of the system's.
    explicit TOpenFileDialog(HWND owner, TShowDialog show = ::GetOpenFileNameW,
                             TExtendedError extendedError = ::CommDlgExtendedError);

    // The name the dialog opens with; after OK, the full path of the first chosen file.
    const std::string& FileName() const noexcept { return FFileName; }
    void SetFileName(std::string fileName) { FFileName = std::move(fileName); }

    // The dialog does not keep the process's current directory: it is left at the folder
    // the user browsed to. A choice too large for the buffer is an EError, not a cancel.
    bool Execute() override;
    const std::vector<std::string>& Files() const override { return FFiles; }

private:
    HWND FOwner;
    TShowDialog FShow;
    TExtendedError FExtendedError;
    std::string FFileName;
    std::vector<std::string> FFiles;
};

} // namespace porutena
