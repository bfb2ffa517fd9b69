#pragma once
// What the user sees of a name: converted, cut to the file part if wanted, with the chosen
// separator. Rendered afresh every time a list is shown.
#include "core/DirectorySearch.h"
#include "core/FileLists.h"
#include "core/ViewOptions.h"

#include <string>
#include <string_view>

namespace porutena {

// The displayed text of `Name`; empty when the name no longer resolves.
std::string RenderName(std::string_view Name, const TViewOptions& Options,
                       const IDirectorySearch& search);

// One rendered text per entry, in list order, empty ones included.
TStringList RenderList(const TStringList& List, const TViewOptions& Options,
                       const IDirectorySearch& search);

// The rows in order, each ended by CR LF; empty for no rows.
std::string CopyAllText(const TStringList& Rows);

} // namespace porutena
