#pragma once
// Holds the clipboard open on a thread of its own until released, as another program would.
#include <windows.h>

#include <thread>

namespace porutena::test {

class TClipboardHolder {
public:
    TClipboardHolder()
        : FOpened(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          FRelease(CreateEventA(nullptr, TRUE, FALSE, nullptr)), FThread([this] {
              FHeld = OpenClipboard(nullptr) != FALSE;
              SetEvent(FOpened);
              WaitForSingleObject(FRelease, INFINITE);
              if (FHeld)
                  CloseClipboard();
          }) {
        WaitForSingleObject(FOpened, INFINITE);
    }
    ~TClipboardHolder() {
        Release();
        CloseHandle(FOpened);
        CloseHandle(FRelease);
    }
    TClipboardHolder(const TClipboardHolder&) = delete;
    TClipboardHolder& operator=(const TClipboardHolder&) = delete;

    bool Held() const { return FHeld; }
    void Release() {
        SetEvent(FRelease);
        if (FThread.joinable())
            FThread.join();
    }

private:
    HANDLE FOpened;
    HANDLE FRelease;
    bool FHeld = false;
    std::thread FThread;
};

} // namespace porutena::test
