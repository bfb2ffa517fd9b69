#include "platform/win32/WinShell.h"

#include "platform/win32/WideText.h"

#include <shellapi.h>

#include <cstdint>

namespace porutena {

namespace {

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

int ShellOpen(HWND owner, const std::string& fileName, const std::string& params,
              const std::string& directory, int showCmd) {
    const std::wstring wideParams = Widen(params);
    const std::wstring wideDirectory = Widen(directory);
    const HINSTANCE result = ShellExecuteW(owner, nullptr, Widen(fileName).c_str(),
                                           OrNull(wideParams), OrNull(wideDirectory), showCmd);
    return static_cast<int>(reinterpret_cast<std::intptr_t>(result));
}

} // namespace porutena
