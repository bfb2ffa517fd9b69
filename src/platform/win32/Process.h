#pragma once
// What the running process knows about its own start, from the Win32 API.
#include "platform/ProgramStart.h"

#include <string>
#include <vector>

namespace porutena {

// The full path of the program's file (argument 0) from GetModuleFileNameW, however long,
// made program text by NarrowName.
std::string ProgramPath();

// The program's folder: ProgramPath() up to and including its last path delimiter.
std::string ProgramDirectory();

// The arguments after the program's name on GetCommandLineW (see SplitCommandLine), each
// made program text by NarrowName.
std::vector<std::string> CommandLineArguments();

// TProgramStart over the functions above.
class TWinProgramStart final : public TProgramStart {
public:
    std::string ProgramPath() const override { return porutena::ProgramPath(); }
    std::vector<std::string> Arguments() const override { return CommandLineArguments(); }
};

} // namespace porutena
