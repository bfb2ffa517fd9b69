#include "platform/win32/Process.h"

#include "core/CommandLine.h"
#include "core/FilePath.h"
#include "platform/win32/WideText.h"

#include <windows.h>

namespace porutena {

std::string ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const auto size = static_cast<DWORD>(path.size());
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
        if (length == 0)
            return {};
        // A result that fills the buffer may have been cut.
        if (length < size) {
            path.resize(length);
            return NarrowName(path);
        }
        path.resize(path.size() * 2);
    }
}

std::string ProgramDirectory() {
    return ExtractFilePath(ProgramPath());
}

std::vector<std::string> CommandLineArguments() {
    const std::vector<std::wstring> items = SplitCommandLine(std::wstring_view(GetCommandLineW()));
    std::vector<std::string> arguments;
    for (std::size_t i = 1; i < items.size(); ++i)
        arguments.push_back(NarrowName(items[i]));
    return arguments;
}

} // namespace porutena
