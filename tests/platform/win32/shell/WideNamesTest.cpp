// Real files whose names have no code page 932 form, beside the files best fit would make of
// them, as a drop, the open dialog, the command line and the directory search give them.
#include "TestSupport.h"

#include "core/StandardLibrary.h"
#include "core/Text.h"
#include "platform/win32/DroppedFiles.h"
#include "platform/win32/OpenFileDialog.h"
#include "platform/win32/Win32DirectorySearch.h"
#include "platform/win32/WideText.h"
#include "support/DropBuilder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

using namespace porutena;

namespace {

using Names = std::vector<std::string>;

// Best fit makes them cafe.txt, a\b.txt, ab?c.txt (a pattern) and x??.txt; 表ソ.txt has a 932
// form and stays as it is.
const std::wstring InFolder[] = {L"caf\u00e9.txt", L"a\u00a5b.txt", L"ab\u301cc.txt",
                                 L"x\U0001F600.txt", L"\u8868\u30bd.txt"};

class WideNamesTest : public testing::Test {
protected:
    WideNamesTest() {
        // Each file holds its row's number, the decoys another text.
        rows.assign(std::begin(InFolder), std::end(InFolder));
        const std::wstring part((360 - folder.size() - 15) / 3, L'L'); // a 360-byte path
        rows.push_back(part + L"1\\" + part + L"2\\" + part + L"3\\deep.txt");
        for (std::size_t i = 0; i < rows.size(); ++i)
            Write(Path(rows[i]), std::to_string(i));
        Write(Path(L"cafe.txt"), "decoy");
        Write(Path(L"a\\b.txt"), "decoy");
    }

    std::wstring Path(const std::wstring& relative) const {
        return test::ToWide(folder) + L"\\" + relative;
    }
    static void Write(const std::wstring& path, const std::string& text) {
        const std::filesystem::path file = L"\\\\?\\" + path;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << text;
    }
    // What the file `name` (program text) holds; empty when it opens none.
    static std::string Contents(const std::string& name) {
        std::string text;
        std::ifstream(std::filesystem::path(L"\\\\?\\" + test::ToWide(name))) >> text;
        return text;
    }
    // Each of `names` opens its row's own file; a name with a 932 form is unchanged.
    void ExpectTheRowsFiles(const Names& names) const {
        ASSERT_EQ(names.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(names[i]);
            EXPECT_EQ(Contents(names[i]), std::to_string(i));
            EXPECT_EQ(names[i].rfind(folder + "\\", 0), 0u);
            const std::optional<std::string> exact = NarrowExact(Path(rows[i]));
            EXPECT_EQ(names[i], exact.value_or(names[i]));
        }
    }

    test::TScratchFolder scratch{"porutena-wide"};
    TWin32DirectorySearch search;
    const std::string folder = ConvertFileName(scratch.Path(), false, search); // stored form
    std::vector<std::wstring> rows;
};

TEST_F(WideNamesTest, ADropInUtf16) {
    std::vector<std::wstring> paths;
    for (const std::wstring& row : rows)
        paths.push_back(Path(row));
    const TDroppedFiles drop(static_cast<HDROP>(MakeHDrop(paths).Release()));
    ExpectTheRowsFiles(drop.Names());
    EXPECT_EQ(drop.Name(0), drop.Names().front()); // read alone, café.txt too
}

TEST_F(WideNamesTest, TheOpenDialog) {
    // The files in the folder chosen together, then the deep one alone.
    std::wstring several = test::ToWide(folder) + L'\0';
    for (const std::wstring& name : InFolder)
        several += name + L'\0';
    Names chosen;
    for (const std::wstring& result : {several + L'\0', Path(rows.back()) + L'\0'}) {
        TOpenFileDialog dialog(nullptr, [&](OPENFILENAMEW* ofn) {
            std::memcpy(ofn->lpstrFile, result.data(), result.size() * sizeof(wchar_t));
            ofn->nFileOffset = static_cast<WORD>(test::ToWide(folder).size() + 1);
            return TRUE;
        });
        ASSERT_TRUE(dialog.Execute());
        chosen.insert(chosen.end(), dialog.Files().begin(), dialog.Files().end());
    }
    ExpectTheRowsFiles(chosen);
}

TEST_F(WideNamesTest, TheCommandLine) {
    std::wstring commandLine = L"child.exe";
    for (const std::wstring& row : rows)
        commandLine += L" \"" + Path(row) + L"\"";
    const Names report =
        test::RunChild(scratch.Path() + "\\child.exe", commandLine, scratch.Path() + "\\report");
    ASSERT_GE(report.size(), 2u);
    ExpectTheRowsFiles(Names(report.begin() + 2, report.end()));
}

TEST_F(WideNamesTest, TheDirectorySearchInBothViews) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string name = NarrowName(Path(rows[i]));
        SCOPED_TRACE(name);
        // `/` before the name separates as `\` does, also where the name takes its 8.3 form.
        std::wstring wide = Path(rows[i]);
        wide[wide.rfind(L'\\')] = L'/';
        std::string slashed = name;
        slashed[LastDelimiter("\\", slashed)] = '/';
        EXPECT_EQ(NarrowName(wide), slashed);
        EXPECT_EQ(ConvertFileName(name, false, search), name);
        const std::string shortName = ConvertFileName(name, true, search);
        EXPECT_EQ(Contents(shortName), std::to_string(i));
        EXPECT_LT(shortName.size(), MAX_PATH);
    }
    // With no 8.3 name to take, the name is found nowhere.
    EXPECT_EQ(ConvertFileName(NarrowName(Path(L"gone\U0001F600.txt")), false, search), "");
    // Nor is a name with a NUL, which the text before it would take for the decoy.
    EXPECT_EQ(ConvertFileName(NarrowName(Path(L"cafe.txt") + L'\0' + L'\u00e9'), false, search),
              "");
}

TEST(ExtendedPath, OnlyAbsolutePathsPastMaxPathTakeThePrefix) {
    const std::wstring n(300, L'n');
    const std::wstring cases[][2] = {
        {L"C:\\a.txt", L"C:\\a.txt"},
        // MAX_PATH counts the NUL: 259 characters fit, 260 do not.
        {L"C:\\" + n.substr(44), L"C:\\" + n.substr(44)},
        {L"C:\\" + n.substr(43), L"\\\\?\\C:\\" + n.substr(43)},
        {n + L"\\relative", n + L"\\relative"},
        // Made full as the system makes a shorter path, so `/`, `.` and `..` keep working.
        {L"C:/" + n + L"/./y/../x", L"\\\\?\\C:\\" + n + L"\\x"},
        {L"\\\\server\\share\\" + n, L"\\\\?\\UNC\\server\\share\\" + n},
        {L"\\\\?\\C:\\" + n, L"\\\\?\\C:\\" + n},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExtendedPath(c[0]), c[1]);
}

} // namespace
