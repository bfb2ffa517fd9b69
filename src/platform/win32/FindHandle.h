#pragma once
// Owns a FindFirstFile handle, so a search is closed on every way out.
#include <windows.h>

namespace porutena {

class TFindHandle {
public:
    explicit TFindHandle(HANDLE handle) : FHandle(handle) {}
    ~TFindHandle() {
        if (Valid())
            FindClose(FHandle);
    }
    TFindHandle(const TFindHandle&) = delete;
    TFindHandle& operator=(const TFindHandle&) = delete;

    bool Valid() const { return FHandle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return FHandle; }

private:
    HANDLE FHandle;
};

} // namespace porutena
