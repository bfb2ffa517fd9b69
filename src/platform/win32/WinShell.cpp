#include "platform/win32/WinShell.h"

#include <shellapi.h>

#include <cstdint>

namespace porutena {

namespace {

const char* OrNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

int ShellOpen(HWND owner, const std::string& fileName, const std::string& params,
              const std::string& directory, int showCmd) {
    const HINSTANCE result =
        ShellExecuteA(owner, nullptr, fileName.c_str(), OrNull(params), OrNull(directory), showCmd);
    return static_cast<int>(reinterpret_cast<std::intptr_t>(result));
}

} // namespace porutena
