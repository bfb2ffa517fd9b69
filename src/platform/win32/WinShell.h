#pragma once
// The shell's default action through ShellExecuteW.
#include "platform/Shell.h"

#include <windows.h>

namespace porutena {

// ShellExecuteW with the default verb, owned by `owner` (borrowed, may be null); empty
// `params` and `directory` are passed as null. Returns the result code as an integer
// (32 or less: failure; 2: file not found).
int ShellOpen(HWND owner, const std::string& fileName, const std::string& params,
              const std::string& directory, int showCmd);

// TShell over ShellOpen with a borrowed owner window (which may be null).
class TWinShell final : public TShell {
public:
    explicit TWinShell(HWND owner) noexcept : FOwner(owner) {}

    int ShellOpen(const std::string& fileName, const std::string& params,
                  const std::string& directory, int showCmd) override {
        return porutena::ShellOpen(FOwner, fileName, params, directory, showCmd);
    }

private:
    HWND FOwner;
};

} // namespace porutena
