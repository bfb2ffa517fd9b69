#include "core/FileLists.h"

#include <utility>

namespace porutena {

void AddFile(TStringList& FileList, std::string Name) {
    FileList.push_back(std::move(Name));
}

void AddOldFile(TStringList& OldList, const std::string& Name, int Limit) {
    const std::size_t count = OldList.size();
    std::size_t index = count;
    while (index > 0 && OldList[index - 1] != Name)
        --index;
    if (index > 0)
        OldList.erase(OldList.begin() + static_cast<std::ptrdiff_t>(index - 1));
    else if (count > 0 && static_cast<long long>(count) >= Limit)
        OldList.pop_back();
    OldList.insert(OldList.begin(), Name);
}

void MoveToOldList(TStringList& FileList, TStringList& OldList, const std::function<int()>& Limit) {
    for (const std::string& name : FileList)
        AddOldFile(OldList, name, Limit());
    FileList.clear();
}

void TrimList(TStringList& List, int Limit) {
    const std::size_t keep = Limit > 0 ? static_cast<std::size_t>(Limit) : 0;
    if (List.size() > keep)
        List.resize(keep);
}

} // namespace porutena
