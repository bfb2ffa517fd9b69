#pragma once
// Shared pieces of the platform tests: a window to own things, a scratch folder, a child run.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace porutena::test {

// A hidden message-only window, destroyed with the object.
class TTestWindow {
public:
    TTestWindow();
    TTestWindow(const TTestWindow&) = delete;
    TTestWindow& operator=(const TTestWindow&) = delete;
    ~TTestWindow();
    HWND Handle() const { return FHandle; }

private:
    HWND FHandle;
};

// A new empty folder under the temporary folder, removed with everything in it.
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& name);
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;
    ~TScratchFolder();
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

// `text` (code page 932) in UTF-16.
std::wstring ToWide(const std::string& text);

// Writes `text` to the file `path`.
void WriteFile(const std::string& path, const std::string& text);

// The contents of `path`, once it exists and ends with a line end, waiting up to
// `timeoutMs`; nullopt when it did not come in time.
std::optional<std::string> WaitForFile(const std::string& path, DWORD timeoutMs);

// The environment variable by which a test starts this program as a child that writes
// what it knows about its start to the file the variable names.
constexpr const char* ChildReportVariable = "PORUTENA_CHILD_REPORT";

// The child's side: writes its program path, its program directory and each argument, one
// a line, to `path`.
int WriteChildReport(const std::string& path);

// Starts a copy of this program as `program` with `commandLine` and returns the report it
// writes to `report`: its program path, its program directory, then its arguments, one an item.
// Paths past 260 bytes need the UTF-16 calls.
std::vector<std::string> RunChild(const std::string& program, std::wstring commandLine,
                                  const std::string& report);

} // namespace porutena::test
