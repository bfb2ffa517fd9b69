#include "platform/win32/LastError.h"

#include "core/Errors.h"
#include "platform/win32/WideText.h"

#include <string>

namespace porutena {

void ThrowLastError(const char* call) {
    const DWORD code = GetLastError();
    // Read in UTF-16 and narrowed here: the system's own ANSI text would be in its code page.
    wchar_t text[512] = {};
    DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                       text, static_cast<DWORD>(std::size(text)), nullptr);
    while (length > 0 &&
           (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' '))
        --length;
    // The error box ends the text with its own full stop.
    if (length > 0 && (text[length - 1] == L'.' || text[length - 1] == L'\u3002'))
        --length;
    std::string message = std::string(call) + ": ";
    message += length > 0 ? Narrow({text, length}) : "エラー " + std::to_string(code);
    throw EError(message);
}

} // namespace porutena
