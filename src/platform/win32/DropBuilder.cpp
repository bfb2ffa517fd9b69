#include "platform/win32/DropBuilder.h"

#include <shlobj.h>

#include <cstring>
#include <stdexcept>

namespace porutena {

namespace {

std::wstring ToWide(const std::string& text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (length <= 0)
        throw std::runtime_error("MultiByteToWideChar failed");
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    return wide;
}

// The names, each ended by NUL, then one more NUL.
template <typename Char, typename Convert>
std::basic_string<Char> NameList(const std::vector<std::string>& names, Convert convert) {
    std::basic_string<Char> list;
    for (const std::string& name : names) {
        list += convert(name);
        list += Char();
    }
    list += Char();
    return list;
}

TGlobalMemory Build(const void* list, std::size_t bytes, bool wide) {
    TGlobalMemory memory =
        TGlobalMemory::Allocate(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
    TGlobalLock lock(memory.Get());
    if (!lock.Data())
        throw std::runtime_error("GlobalLock failed");
    auto* header = static_cast<DROPFILES*>(lock.Data());
    header->pFiles = sizeof(DROPFILES);
    header->fWide = wide;
    std::memcpy(static_cast<char*>(lock.Data()) + sizeof(DROPFILES), list, bytes);
    return memory;
}

} // namespace

TGlobalMemory MakeHDrop(const std::vector<std::string>& names, TDropText text) {
    if (names.empty())
        return TGlobalMemory::Allocate(GMEM_MOVEABLE, 0);
    if (text == TDropText::Wide) {
        const std::wstring list = NameList<wchar_t>(names, ToWide);
        return Build(list.data(), list.size() * sizeof(wchar_t), true);
    }
    const std::string list = NameList<char>(names, [](const std::string& s) { return s; });
    return Build(list.data(), list.size(), false);
}

} // namespace porutena
