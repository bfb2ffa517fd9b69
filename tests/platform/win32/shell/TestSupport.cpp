#include "TestSupport.h"

#include "core/Text.h"
#include "platform/win32/Process.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace porutena::test {

TTestWindow::TTestWindow()
    : FHandle(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr)) {
    if (!FHandle)
        throw std::runtime_error("CreateWindowExA failed");
}

TTestWindow::~TTestWindow() {
    DestroyWindow(FHandle);
}

std::wstring ToWide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length =
        MultiByteToWideChar(ProgramCodePage, 0, text.data(), static_cast<int>(text.size()),
                            wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? length : 0);
    return wide;
}

namespace {

// `path` is in UTF-16 with the \\?\ prefix, so trees deeper than 260 characters go too.
void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring full = path + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

std::wstring LongPath(const std::string& path) {
    return L"\\\\?\\" + ToWide(path);
}

} // namespace

TScratchFolder::TScratchFolder(const std::string& name) {
    char temp[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length > MAX_PATH)
        throw std::runtime_error("GetTempPathA failed");
    FPath = std::string(temp, length) + name + "." + std::to_string(GetCurrentProcessId());
    RemoveTree(LongPath(FPath));
    if (!CreateDirectoryA(FPath.c_str(), nullptr))
        throw std::runtime_error("CreateDirectoryA failed: " + FPath);
}

TScratchFolder::~TScratchFolder() {
    RemoveTree(LongPath(FPath));
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::optional<std::string> WaitForFile(const std::string& path, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::ostringstream text;
            text << in.rdbuf();
            const std::string contents = text.str();
            if (!contents.empty() && contents.back() == '\n')
                return contents;
        }
        Sleep(20);
    } while (GetTickCount64() < end);
    return std::nullopt;
}

int WriteChildReport(const std::string& path) {
    const TWinProgramStart start;
    std::string report = start.ProgramPath() + "\n" + start.ProgramDirectory() + "\n";
    for (const std::string& argument : start.Arguments())
        report += argument + "\n";
    // Written under another name first so the waiting parent never reads half of it.
    WriteFile(path + ".part", report);
    return MoveFileA((path + ".part").c_str(), path.c_str()) ? 0 : 1;
}

std::vector<std::string> RunChild(const std::string& program, std::wstring commandLine,
                                  const std::string& report) {
    const std::wstring longProgram = L"\\\\?\\" + ToWide(program);
    EXPECT_TRUE(CopyFileW(ToWide(ProgramPath()).c_str(), longProgram.c_str(), FALSE));
    SetEnvironmentVariableA(ChildReportVariable, report.c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(ToWide(program).c_str(), commandLine.data(), nullptr,
                                        nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableA(ChildReportVariable, nullptr);
    if (!started) {
        ADD_FAILURE() << "cannot start " << program << ": " << GetLastError();
        return {};
    }
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    std::vector<std::string> items;
    const std::optional<std::string> text = WaitForFile(report, 1000);
    for (std::size_t start = 0; text && start < text->size();) {
        const std::size_t end = text->find('\n', start);
        items.push_back(text->substr(start, end - start));
        start = end + 1;
    }
    return items;
}

} // namespace porutena::test
