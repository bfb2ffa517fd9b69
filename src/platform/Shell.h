#pragma once
// The shell's default action on a file.
#include <string>

namespace porutena {

class TShell {
public:
    TShell() = default;
    TShell(const TShell&) = delete;
    TShell& operator=(const TShell&) = delete;
    virtual ~TShell() = default;

    // Opens `fileName` with its default action, passing `params`, in the working directory
    // `directory` (empty: the current one), shown as `showCmd` says. Returns the shell's
    // result code: 32 or less is a failure, 2 means the file was not found.
    virtual int ShellOpen(const std::string& fileName, const std::string& params,
                          const std::string& directory, int showCmd) = 0;
};

} // namespace porutena
