#pragma once
// Drops of files made in memory, as the shell makes them, for tests and benchmarks.
#include "platform/win32/Handles.h"

#include <string>
#include <vector>

namespace porutena {

enum class TDropText { Ansi, Wide };

// A DROPFILES block holding `names` (code page 932 text), each ended by NUL and the list by
// one more; with TDropText::Wide the names are stored in UTF-16 as the shell itself does.
// No names give a block without a list, which DragQueryFile counts as none (a list of no
// names would be counted as one empty name). Pass the drop on with
// `static_cast<HDROP>(drop.Release())` to whoever calls DragFinish.
TGlobalMemory MakeHDrop(const std::vector<std::string>& names, TDropText text = TDropText::Ansi);

// The same with names given in UTF-16, any name the shell can hand over.
TGlobalMemory MakeHDrop(const std::vector<std::wstring>& names);

} // namespace porutena
