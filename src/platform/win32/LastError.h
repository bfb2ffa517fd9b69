#pragma once
// Win32 calls that fail are reported, not passed over: the error names the call and carries
// the system's text for its GetLastError code, for the application's error box.
#include <windows.h>

namespace porutena {

// Throws EError "<call>: <system text>"; call it right after the failed call, before any other
// call can change the last error.
[[noreturn]] void ThrowLastError(const char* call);

// `handle` when the call gave one; a null one throws as ThrowLastError.
template <class Handle> Handle CheckedHandle(Handle handle, const char* call) {
    if (!handle)
        ThrowLastError(call);
    return handle;
}

} // namespace porutena
