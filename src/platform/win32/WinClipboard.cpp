#include "platform/win32/WinClipboard.h"

#include "core/Errors.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ScopeGuards.h"

#include <cstring>

namespace porutena {

namespace {

// The program's text is code page 932, the default ANSI code page of this locale.
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

TGlobalMemory LocaleBlock() {
    return FilledBlock(sizeof(LCID), [](void* block) {
        const LCID locale = TextLocale;
        std::memcpy(block, &locale, sizeof locale);
    });
}

} // namespace

void TWinClipboard::SetText(std::string_view text) {
    // The blocks are filled before the clipboard is opened, so others wait as little as can be.
    // No UTF-16 block: the system makes CF_UNICODETEXT from CF_TEXT by the code page of
    // CF_LOCALE when a reader asks for it, which spares converting and handing over twice the
    // bytes of a long list at every copy.
    const std::string_view kept = text.substr(0, text.find('\0'));
    struct TFormat {
        UINT Id;
        TGlobalMemory Memory;
    } formats[] = {{CF_TEXT, TextBlock(kept)}, {CF_LOCALE, LocaleBlock()}};
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
