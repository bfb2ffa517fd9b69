#pragma once
// The second half of paired calls, made when the guard goes: unlocking global memory, closing
// the clipboard, releasing a window's device context, putting back a selected GDI object.
#include "core/Errors.h"

#include <windows.h>

#include <cstddef>

namespace porutena {

// Keeps a borrowed HGLOBAL locked. Data() is null when locking failed.
class TGlobalLock {
public:
    explicit TGlobalLock(HGLOBAL handle) noexcept : FHandle(handle), FData(GlobalLock(handle)) {}
    TGlobalLock(const TGlobalLock&) = delete;
    TGlobalLock& operator=(const TGlobalLock&) = delete;
    ~TGlobalLock() {
        if (FData)
            GlobalUnlock(FHandle);
    }

    void* Data() const noexcept { return FData; }
    std::size_t Size() const noexcept { return GlobalSize(FHandle); }

private:
    HGLOBAL FHandle;
    void* FData;
};

// Keeps the clipboard open. Another program may hold it for a moment (clipboard viewers read
// it after every change), so opening is tried a few times over about 40 ms before it throws.
class TClipboardSession {
public:
    explicit TClipboardSession(HWND owner) {
        constexpr int Attempts = 5;
        constexpr DWORD RetryDelayMs = 10;
        for (int attempt = 1; !OpenClipboard(owner); ++attempt) {
            if (attempt == Attempts)
                throw EError("クリップボードを開くことができません");
            Sleep(RetryDelayMs);
        }
    }
    TClipboardSession(const TClipboardSession&) = delete;
    TClipboardSession& operator=(const TClipboardSession&) = delete;
    ~TClipboardSession() { CloseClipboard(); }
};

// A window's device context (null: the screen's).
class TWindowDC {
public:
    explicit TWindowDC(HWND window) noexcept : FWindow(window), FDC(GetDC(window)) {}
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    ~TWindowDC() {
        if (FDC)
            ReleaseDC(FWindow, FDC);
    }

    HDC Get() const noexcept { return FDC; }

private:
    HWND FWindow;
    HDC FDC;
};

// A GDI object selected into a device context, the one it replaced put back at the end.
class TSelectedObject {
public:
    TSelectedObject(HDC dc, HGDIOBJ object) noexcept : FDC(dc), FOld(SelectObject(dc, object)) {}
    TSelectedObject(const TSelectedObject&) = delete;
    TSelectedObject& operator=(const TSelectedObject&) = delete;
    ~TSelectedObject() {
        if (FOld)
            SelectObject(FDC, FOld);
    }

private:
    HDC FDC;
    HGDIOBJ FOld;
};

} // namespace porutena
