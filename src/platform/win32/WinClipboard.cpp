#include "platform/win32/WinClipboard.h"

#include "core/Errors.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ScopeGuards.h"

#include <cstring>

namespace porutena {

namespace {

// The program's text is code page 932, Japanese.
constexpr UINT TextCodePage = 932;
constexpr LCID TextLocale =
    MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT);

[[noreturn]] void ThrowCannotWrite() {
    throw EError("クリップボードにデータを設定できません");
}

// A movable block of `size` bytes, filled by `fill` while locked, as the clipboard takes it.
template <typename Fill> TGlobalMemory FilledBlock(std::size_t size, Fill fill) {
    TGlobalMemory memory = AllocateGlobal(GMEM_MOVEABLE, size);
    const TGlobalLock lock(memory.Get());
    if (!lock.Data())
        ThrowCannotWrite();
    fill(lock.Data());
    return memory;
}

// `text` with its closing NUL.
TGlobalMemory TextBlock(std::string_view text) {
    return FilledBlock(text.size() + 1, [&](void* block) {
        auto* data = static_cast<char*>(block);
        std::memcpy(data, text.data(), text.size());
        data[text.size()] = '\0';
    });
}

// `text` in UTF-16 with its closing NUL. The text is code page 932 whatever the process's code
// page, so the conversion names it rather than leaving it to the system.
TGlobalMemory UnicodeBlock(std::string_view text) {
    const int size = static_cast<int>(text.size());
    const int length =
        text.empty() ? 0 : MultiByteToWideChar(TextCodePage, 0, text.data(), size, nullptr, 0);
    if (length == 0 && !text.empty())
        ThrowCannotWrite();
    return FilledBlock((static_cast<std::size_t>(length) + 1) * sizeof(wchar_t), [&](void* block) {
        auto* data = static_cast<wchar_t*>(block);
        if (length > 0)
            MultiByteToWideChar(TextCodePage, 0, text.data(), size, data, length);
        data[length] = L'\0';
    });
}

TGlobalMemory LocaleBlock() {
    return FilledBlock(sizeof(LCID), [](void* block) {
        const LCID locale = TextLocale;
        std::memcpy(block, &locale, sizeof locale);
    });
}

} // namespace

void TWinClipboard::SetText(std::string_view text) {
    // The blocks are filled before the clipboard is opened, so others wait as little as can be.
    const std::string_view kept = text.substr(0, text.find('\0'));
    struct TFormat {
        UINT Id;
        TGlobalMemory Memory;
    } formats[] = {{CF_TEXT, TextBlock(kept)},
                   {CF_UNICODETEXT, UnicodeBlock(kept)},
                   {CF_LOCALE, LocaleBlock()}};
    const TClipboardSession session(FOwner);
    if (!EmptyClipboard())
        ThrowCannotWrite();
    for (TFormat& format : formats) {
        if (!SetClipboardData(format.Id, format.Memory.Get()))
            ThrowCannotWrite();
        format.Memory.Release(); // the system owns it now
    }
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
