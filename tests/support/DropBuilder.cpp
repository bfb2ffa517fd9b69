#include "support/DropBuilder.h"

#include "platform/win32/ScopeGuards.h"
#include "platform/win32/WideText.h"

#include <shlobj.h>

#include <cstring>
#include <stdexcept>

namespace porutena {

namespace {

// The names, each ended by NUL, then one more NUL.
template <typename Char>
std::basic_string<Char> NameList(const std::vector<std::basic_string<Char>>& names) {
    std::basic_string<Char> list;
    for (const std::basic_string<Char>& name : names) {
        list += name;
        list += Char();
    }
    list += Char();
    return list;
}

TGlobalMemory Build(const void* list, std::size_t bytes, bool wide) {
    TGlobalMemory memory = AllocateGlobal(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + bytes);
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
    if (text == TDropText::Wide) {
        std::vector<std::wstring> wide;
        for (const std::string& name : names)
            wide.push_back(Widen(name));
        return MakeHDrop(wide);
    }
    if (names.empty())
        return AllocateGlobal(GMEM_MOVEABLE, 0);
    const std::string list = NameList(names);
    return Build(list.data(), list.size(), false);
}

TGlobalMemory MakeHDrop(const std::vector<std::wstring>& names) {
    if (names.empty())
        return AllocateGlobal(GMEM_MOVEABLE, 0);
    const std::wstring list = NameList(names);
    return Build(list.data(), list.size() * sizeof(wchar_t), true);
}

} // namespace porutena
