#pragma once
// The current list (latest batch, arrival order) and the old list (earlier batches, most
// recent first, no duplicates, limited length). Both hold names raw, as they arrived.
#include <functional>
#include <string>
#include <vector>

namespace porutena {

using TStringList = std::vector<std::string>;

// Appends `Name` to the current list; duplicates are kept.
void AddFile(TStringList& FileList, std::string Name);

// Puts `Name` at the front of the old list. An equal entry (case-sensitive) moves to the front
// instead; otherwise, with `Limit` entries or more, the oldest one goes.
void AddOldFile(TStringList& OldList, const std::string& Name, int Limit);

// Moves the current list into the old list, first name first, so the batch ends up reversed at
// the front; then empties the current list. `Limit` is asked before each insertion.
void MoveToOldList(TStringList& FileList, TStringList& OldList, const std::function<int()>& Limit);

// Drops names from the end (the oldest) until at most `Limit` remain; a limit below one
// empties the list.
void TrimList(TStringList& List, int Limit);

} // namespace porutena
