#include "platform/win32/Process.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace porutena;

namespace {

using Items = std::vector<std::string>;

const std::string So = "\x83\x5C"; // ソ: its second byte is `\`

TEST(Process, ProgramPathIsTheModulesFile) {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    EXPECT_EQ(ProgramPath(), path);
    const std::string directory = ProgramDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '\\');
    EXPECT_EQ(std::string(path).rfind(directory, 0), 0u);
    EXPECT_EQ(std::string(path).find('\\', directory.size()), std::string::npos);
}

// Starts a copy of this program as `program` with `commandLine` and returns the report it
// writes to `report`: its program path, its program directory, then its arguments. Paths past 260
// bytes need the UTF-16 calls.
Items RunChild(const std::string& program, const std::string& commandLine,
               const std::string& report) {
    const std::wstring longProgram = L"\\\\?\\" + test::ToWide(program);
    EXPECT_TRUE(CopyFileW(test::ToWide(ProgramPath()).c_str(), longProgram.c_str(), FALSE));
    SetEnvironmentVariableA(test::ChildReportVariable, report.c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = test::ToWide(commandLine);
    const BOOL started = CreateProcessW(test::ToWide(program).c_str(), line.data(), nullptr,
                                        nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableA(test::ChildReportVariable, nullptr);
    if (!started) {
        ADD_FAILURE() << "cannot start " << program << ": " << GetLastError();
        return {};
    }
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    Items items;
    const std::optional<std::string> text = test::WaitForFile(report, 1000);
    for (std::size_t start = 0; text && start < text->size();) {
        const std::size_t end = text->find('\n', start);
        items.push_back(text->substr(start, end - start));
        start = end + 1;
    }
    return items;
}

TEST(Process, TheCommandLineGivesTheArgumentsAndTheModuleTheProgramPath) {
    // The longest path Wine starts a program from: 259 bytes, a ソ among them, which fills a
    // MAX_PATH buffer to its last byte but one.
    test::TScratchFolder scratch("porutena-process");
    const std::string prefix = scratch.Path() + "\\" + So;
    const std::string folder = prefix + std::string(259 - prefix.size() - 12, 'd');
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + test::ToWide(folder)).c_str(), nullptr));
    // The file's own ソ must not be taken for the end of its folder.
    const std::string program = folder + "\\" + So + "child.exe";
    ASSERT_EQ(program.size(), 259u);

    const Items report = RunChild(
        program, "typed-name.exe \"C:\\My Files\\a.txt\" b.txt \"\" " + So + "\\" + So + ".txt",
        scratch.Path() + "\\report.txt");

    EXPECT_EQ(report, (Items{program, folder + "\\", "C:\\My Files\\a.txt", "b.txt",
                             So + "\\" + So + ".txt"}));
}

TEST(Process, NoArgumentsAfterTheProgramsName) {
    test::TScratchFolder scratch("porutena-process");
    const std::string program = scratch.Path() + "\\child.exe";
    EXPECT_EQ(RunChild(program, "\"" + program + "\"  ", scratch.Path() + "\\report.txt"),
              (Items{program, scratch.Path() + "\\"}));
}

} // namespace
