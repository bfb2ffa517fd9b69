#include "core/Rendering.h"

#include "core/StandardLibrary.h"
#include "core/Text.h"

namespace porutena {

std::string RenderName(std::string_view Name, const TViewOptions& Options,
                       const IDirectorySearch& search) {
    std::string text =
        ConvertFileName(Name, Options.Length == TFileViewLength::fvlShortName, search);
    if (Options.Style == TFileViewStyle::fvsFileOnly) {
        const std::size_t delimiter = LastDelimiter("\\:", text);
        if (delimiter != std::string::npos)
            text.erase(0, delimiter + 1);
    }
    switch (Options.Sep) {
    case TPathSep::psSlash:
        return ReplaceBackslash(text, "/");
    case TPathSep::psDoubleYen:
        return ReplaceBackslash(text, "\\\\");
    case TPathSep::psYen:
        break;
    }
    return text;
}

TStringList RenderList(const TStringList& List, const TViewOptions& Options,
                       const IDirectorySearch& search) {
    TStringList rows;
    rows.reserve(List.size());
    for (const std::string& name : List)
        rows.push_back(RenderName(name, Options, search));
    return rows;
}

std::string CopyAllText(const TStringList& Rows) {
    std::size_t total = 0;
    for (const std::string& row : Rows)
        total += row.size() + 2;
    std::string text;
    text.reserve(total);
    for (const std::string& row : Rows) {
        text += row;
        text += "\r\n";
    }
    return text;
}

} // namespace porutena
