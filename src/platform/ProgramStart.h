#pragma once
// What the running program knows about how it was started.
#include "core/FilePath.h"

#include <string>
#include <vector>

namespace porutena {

class TProgramStart {
public:
    TProgramStart() = default;
    TProgramStart(const TProgramStart&) = delete;
    TProgramStart& operator=(const TProgramStart&) = delete;
    virtual ~TProgramStart() = default;

    // The full path of the program's own file (argument 0).
    virtual std::string ProgramPath() const = 0;

    // The arguments after the program's own name, in command-line order.
    virtual std::vector<std::string> Arguments() const = 0;

    // The program's folder, up to and including the last path delimiter of its path.
    std::string ProgramDirectory() const { return ExtractFilePath(ProgramPath()); }
};

} // namespace porutena
