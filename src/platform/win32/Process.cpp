#include "platform/win32/Process.h"

#include "core/CommandLine.h"
#include "core/FilePath.h"

#include <windows.h>

namespace porutena {

std::string ProgramPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
        if (length == 0)
            return {};
        // A result that fills the buffer may have been cut.
        if (length < size) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string ProgramDirectory() {
    return ExtractFilePath(ProgramPath());
}

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> items = SplitCommandLine(GetCommandLineA());
    if (!items.empty())
        items.erase(items.begin());
    return items;
}

} // namespace porutena
