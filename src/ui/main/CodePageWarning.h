#pragma once
// The warning at start where the process's code page is not the program's: on Windows 10 with
// another system code page the manifest cannot choose 932, and the program's text shows garbled.
#include <windows.h>

#include <string>

namespace porutena {

// True when a process with the ANSI code page `codePage` cannot show the program's text.
bool CodePageWarningNeeded(UINT codePage);

// The warning, in Japanese and in English, naming `codePage`.
std::wstring CodePageWarningText(UINT codePage);

// Where needed, shows the warning in a modal UTF-16 box, legible whatever the code page, and
// returns once it is closed.
void WarnOfCodePage(UINT codePage);

} // namespace porutena
