#include "platform/win32/WinClipboard.h"

#include "core/Errors.h"
#include "platform/win32/GlobalMemory.h"

#include <cstring>

namespace porutena {

namespace {

constexpr int OpenAttempts = 5;
constexpr DWORD OpenRetryDelayMs = 10;

// Opens the clipboard for the object's lifetime.
class TClipboardSession {
public:
    explicit TClipboardSession(HWND owner) {
        for (int attempt = 1; !OpenClipboard(owner); ++attempt) {
            if (attempt == OpenAttempts)
                throw EError("クリップボードを開くことができません");
            Sleep(OpenRetryDelayMs);
        }
    }
    TClipboardSession(const TClipboardSession&) = delete;
    TClipboardSession& operator=(const TClipboardSession&) = delete;
    ~TClipboardSession() { CloseClipboard(); }
};

[[noreturn]] void ThrowCannotWrite() {
    throw EError("クリップボードにデータを設定できません");
}

// `text` with its closing NUL in a movable block, as the clipboard takes it.
TGlobalMemory TextBlock(std::string_view text) {
    TGlobalMemory memory = TGlobalMemory::Allocate(GMEM_MOVEABLE, text.size() + 1);
    const TGlobalLock lock(memory.Get());
    if (!lock.Data())
        ThrowCannotWrite();
    auto* data = static_cast<char*>(lock.Data());
    std::memcpy(data, text.data(), text.size());
    data[text.size()] = '\0';
    return memory;
}

} // namespace

void TWinClipboard::SetText(std::string_view text) {
    // The block is filled before the clipboard is opened, so others wait as little as can be.
    TGlobalMemory memory = TextBlock(text.substr(0, text.find('\0')));
    const TClipboardSession session(FOwner);
    if (!EmptyClipboard())
        ThrowCannotWrite();
    if (!SetClipboardData(CF_TEXT, memory.Get()))
        ThrowCannotWrite();
    memory.Release(); // the system owns it now
}

std::string TWinClipboard::GetText() {
    const TClipboardSession session(FOwner);
    const HANDLE handle = GetClipboardData(CF_TEXT);
    if (!handle)
        return {};
    const TGlobalLock lock(handle);
    if (!lock.Data())
        return {};
    const auto* data = static_cast<const char*>(lock.Data());
    return std::string(data, strnlen(data, lock.Size()));
}

} // namespace porutena
