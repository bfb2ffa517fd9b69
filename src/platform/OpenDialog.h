#pragma once
// A dialog in which the user chooses existing files to open.
#include <string>
#include <vector>

namespace porutena {

class TOpenDialog {
public:
    TOpenDialog() = default;
    TOpenDialog(const TOpenDialog&) = delete;
    TOpenDialog& operator=(const TOpenDialog&) = delete;
    virtual ~TOpenDialog() = default;

    // Shows the dialog and waits for the user. True for OK, false when the user cancels;
    // throws EError when the dialog fails, so that no choice is ever lost silently.
    virtual bool Execute() = 0;

    // The full paths chosen at the last OK, in the dialog's order; empty after a cancel.
    virtual const std::vector<std::string>& Files() const = 0;
};

} // namespace porutena
