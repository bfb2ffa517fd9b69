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

    const Items report =
        test::RunChild(program,
                       test::ToWide("typed-name.exe \"C:\\My Files\\a.txt\" b.txt \"\" " + So +
                                    "\\" + So + ".txt"),
                       scratch.Path() + "\\report.txt");

    EXPECT_EQ(report, (Items{program, folder + "\\", "C:\\My Files\\a.txt", "b.txt",
                             So + "\\" + So + ".txt"}));
}

TEST(Process, NoArgumentsAfterTheProgramsName) {
    test::TScratchFolder scratch("porutena-process");
    const std::string program = scratch.Path() + "\\child.exe";
    EXPECT_EQ(test::RunChild(program, test::ToWide("\"" + program + "\"  "),
                             scratch.Path() + "\\report.txt"),
              (Items{program, scratch.Path() + "\\"}));
}

} // namespace
