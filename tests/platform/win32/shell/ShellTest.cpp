#include "platform/win32/WinShell.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <shellapi.h>

using namespace porutena;

namespace {

TEST(Shell, MissingFilesAreNotFound) {
    test::TScratchFolder folder("porutena-shell");
    test::TTestWindow owner;
    EXPECT_EQ(ShellOpen(owner.Handle(), folder.Path() + "\\Veza.html", "", "", SW_SHOWNORMAL),
              SE_ERR_FNF);
    // A relative name is looked for in the working directory, as Help asks for it.
    TWinShell shell(owner.Handle());
    TShell& asShell = shell;
    EXPECT_EQ(asShell.ShellOpen("Veza.html", "", folder.Path() + "\\", SW_SHOWNORMAL), SE_ERR_FNF);
}

TEST(Shell, AnExistingFileWithoutAHandlerIsNotReportedMissing) {
    test::TScratchFolder folder("porutena-shell");
    test::WriteFile(folder.Path() + "\\a.porutena-nothing", "a");
    EXPECT_EQ(ShellOpen(nullptr, "a.porutena-nothing", "", folder.Path(), SW_SHOWNORMAL),
              SE_ERR_NOASSOC);
}

TEST(Shell, OpensWithParametersInTheWorkingDirectory) {
    test::TScratchFolder folder("porutena-shell");
    TWinShell shell(nullptr);

    // The command interpreter ends by itself once it has written where it ran.
    EXPECT_GT(shell.ShellOpen("cmd.exe", "/c cd > where.txt", folder.Path(), SW_HIDE), 32);

    const std::optional<std::string> where =
        test::WaitForFile(folder.Path() + "\\where.txt", 30000);
    ASSERT_TRUE(where.has_value());
    EXPECT_EQ(*where, folder.Path() + "\r\n");
}

} // namespace
