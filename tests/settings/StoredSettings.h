#pragma once
// What both settings test programs compare against: the stored texts of a first run and the
// load error a settings object reports.
#include "core/Errors.h"
#include "settings/UPorutenaRegistry.h"

#include <string>
#include <vector>

namespace porutena {

struct TStoredText {
    std::string Section, Ident, Text;
};

// The ten values of a first run, in the order they are written.
inline const std::vector<TStoredText> FirstRunTexts = {
    {"View", "ShowStatusBar", "1"}, {"View", "ShowToolBar", "1"},   {"Form", "Height", "0"},
    {"Form", "Width", "0"},         {"Form", "HeaderFName", "0"},   {"Form", "HeaderOlist", "0"},
    {"View", "OldListNum", "5"},    {"View", "FileViewStyle", "0"}, {"View", "FileViewLength", "0"},
    {"View", "PathSep", "1"},
};

// The message of the error the load left, or "" when there is none (any more).
inline std::string LoadError(TPorutenaRegistry& registry) {
    try {
        registry.RaiseLoadError();
    } catch (const EError& e) {
        return e.what();
    }
    return "";
}

} // namespace porutena
