#include "platform/win32/Win32DirectorySearch.h"

#include "core/StandardLibrary.h"
#include "platform/win32/TempFolder.h"

#include <gtest/gtest.h>

using namespace porutena;

namespace {

// 表 and ソ: second byte 0x5C, the value of `\`.
const std::string Hyo = "\x95\x5C";
const std::string So = "\x83\x5C";
const std::string Docs = So + "フト資料 2024";
const std::string List = Hyo + " 一覧.txt";

// The system's own 8.3 form of a whole name.
std::string ShortPath(const std::string& path) {
    char buffer[MAX_PATH];
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

// Sets the process's current directory for one scope.
class TCurrentDirectory {
public:
    explicit TCurrentDirectory(const std::string& path) {
        GetCurrentDirectoryA(sizeof FPrevious, FPrevious);
        SetCurrentDirectoryA(path.c_str());
    }
    ~TCurrentDirectory() { SetCurrentDirectoryA(FPrevious); }
    TCurrentDirectory(const TCurrentDirectory&) = delete;
    TCurrentDirectory& operator=(const TCurrentDirectory&) = delete;

private:
    char FPrevious[MAX_PATH] = {};
};

class Win32SearchTest : public ::testing::Test {
protected:
    Win32SearchTest() : temp("porutena-search-") {
        temp.MakeDirectory("Program Files Test");
        temp.MakeFile("Program Files Test\\Read Me First.txt");
        temp.MakeFile("Program Files Test\\ReadOnly.txt");
        temp.MakeDirectory(Hyo);
        temp.MakeDirectory(Hyo + "\\" + So);
        temp.MakeFile(Hyo + "\\" + So + "\\Data.txt");
        temp.MakeDirectory(Docs);
        temp.MakeFile(Docs + "\\" + List);
        temp.MakeFile("Hidden.txt", FILE_ATTRIBUTE_HIDDEN);
        temp.MakeFile("System.txt", FILE_ATTRIBUTE_SYSTEM);
        temp.MakeFile("ReadOnly.txt", FILE_ATTRIBUTE_READONLY);
        base = ConvertFileName(temp.Path(), false, search);
    }

    TTempFolder temp;
    TWin32DirectorySearch search;
    std::string base; // the temporary folder in its stored form
};

TEST_F(Win32SearchTest, TheTemporaryFolderIsFound) {
    ASSERT_FALSE(base.empty());
    EXPECT_EQ(lstrcmpiA(base.c_str(), temp.Path().c_str()), 0) << base;
}

TEST_F(Win32SearchTest, FindsEntriesOfEveryKind) {
    struct Case {
        std::string name;
        const char* found;
    };
    const Case cases[] = {
        {"hidden.txt", "Hidden.txt"},
        {"SYSTEM.TXT", "System.txt"},
        {"readonly.txt", "ReadOnly.txt"},
        {"program files test", "Program Files Test"},
        {"program*", "Program Files Test"},
        {"r?ad*", "ReadOnly.txt"},
        {Hyo, Hyo.c_str()},
        {Hyo + "\\" + So, So.c_str()},
        {"gone.txt", nullptr},
        {"nothere\\Data.txt", nullptr},
        {"Program Files Test\\", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto entry = search.Find(temp.Path() + "\\" + c.name);
        ASSERT_EQ(entry.has_value(), c.found != nullptr);
        if (entry) {
            EXPECT_EQ(entry->LongName, c.found);
        }
    }
}

TEST_F(Win32SearchTest, ShortNamesAreWhatTheSystemReports) {
    for (const std::string& name : {std::string("Program Files Test"), Docs, Hyo}) {
        SCOPED_TRACE(name);
        const std::string path = temp.Path() + "\\" + name;
        const auto entry = search.Find(path);
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(entry->LongName, name);
        const std::string shortPath = ShortPath(path);
        ASSERT_FALSE(shortPath.empty());
        const std::string systemShort = shortPath.substr(ShortPath(temp.Path()).size() + 1);
        EXPECT_EQ(entry->ShortName.empty() ? entry->LongName : entry->ShortName, systemShort);
        if (!entry->ShortName.empty()) {
            EXPECT_NE(entry->ShortName, entry->LongName);
            EXPECT_LE(entry->ShortName.size(), 12u);
            EXPECT_EQ(entry->ShortName.find(' '), std::string::npos);
        }
    }
}

TEST_F(Win32SearchTest, ConvertsToStoredLongAndShortNames) {
    ASSERT_FALSE(base.empty());
    struct Case {
        std::string query;  // below the temporary folder, spelled differently
        std::string stored; // as created
    };
    const Case cases[] = {
        {"program files test\\READ ME FIRST.TXT", "Program Files Test\\Read Me First.txt"},
        {"PROGRAM files TEST", "Program Files Test"},
        {Hyo + "\\" + So + "\\DATA.txt", Hyo + "\\" + So + "\\Data.txt"},
        {Hyo + "\\" + So, Hyo + "\\" + So},
        {So + "フト資料 2024\\" + Hyo + " 一覧.TXT", Docs + "\\" + List},
        {"program*\\read*", "Program Files Test\\Read Me First.txt"},
        {"nothere\\..\\program files test/./READ ME FIRST.TXT",
         "Program Files Test\\Read Me First.txt"},
        // Not the file of the same name in the folder: `..` climbs past a doubled separator.
        {"program files test\\\\..\\readonly.txt", "ReadOnly.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const std::string query = temp.Path() + "\\" + c.query;
        const std::string stored = base + "\\" + c.stored;
        EXPECT_EQ(ConvertFileName(query, false, search), stored);
        EXPECT_EQ(ConvertFileName(query, true, search), ShortPath(stored));
        // Short names in the input expand again.
        EXPECT_EQ(ConvertFileName(ShortPath(stored), false, search), stored);
    }
}

TEST_F(Win32SearchTest, UnresolvableAndUnsearchedNames) {
    const std::string folder = temp.Path();
    for (const bool shortName : {false, true}) {
        EXPECT_EQ(ConvertFileName(folder + "\\nothere\\Data.txt", shortName, search), "");
        EXPECT_EQ(ConvertFileName(folder + "\\" + Hyo + "\\nothere", shortName, search), "");
        EXPECT_EQ(ConvertFileName(folder + "\\nothere\\", shortName, search),
                  folder + "\\nothere\\");
        EXPECT_EQ(ConvertFileName("C:\\", shortName, search), "C:\\");
        EXPECT_EQ(ConvertFileName("c:", shortName, search), "c:");
    }
}

TEST_F(Win32SearchTest, ADeletedFileGivesTheEmptyString) {
    temp.MakeFile(Hyo + "\\Gone.txt");
    const std::string name = temp.Path() + "\\" + Hyo + "\\gone.txt";
    EXPECT_EQ(ConvertFileName(name, false, search), base + "\\" + Hyo + "\\Gone.txt");
    ASSERT_TRUE(DeleteFileA((temp.Path() + "\\" + Hyo + "\\Gone.txt").c_str()));
    EXPECT_EQ(ConvertFileName(name, false, search), "");
    EXPECT_EQ(ConvertFileName(name, true, search), "");
}

TEST_F(Win32SearchTest, RelativeNamesResolveAgainstTheCurrentDirectory) {
    ASSERT_GE(base.size(), 3u);
    ASSERT_EQ(base.substr(1, 2), ":\\");
    const TCurrentDirectory current(temp.Path());
    const std::string drive = base.substr(0, 2);
    const std::string belowDrive = base.substr(2); // `\users\...`
    EXPECT_EQ(ConvertFileName("program files test\\read me first.txt", false, search),
              "Program Files Test\\Read Me First.txt");
    EXPECT_EQ(ConvertFileName(Hyo + "\\" + So + "\\data.txt", false, search),
              Hyo + "\\" + So + "\\Data.txt");
    EXPECT_EQ(ConvertFileName("nothere\\data.txt", false, search), "");
    // Root-relative: the current drive's root stays.
    EXPECT_EQ(ConvertFileName(belowDrive + "\\PROGRAM FILES TEST", false, search),
              belowDrive + "\\Program Files Test");
    // Drive-relative: resolved at the drive's root.
    EXPECT_EQ(ConvertFileName(drive + belowDrive.substr(1) + "\\PROGRAM FILES TEST", false, search),
              base + "\\Program Files Test");
}

TEST_F(Win32SearchTest, EverySearchIsClosed) {
    // A directory with an open search in it cannot be removed on some systems; there an
    // unclosed search shows.
    temp.MakeDirectory("Open");
    temp.MakeDirectory("Searched");
    {
        WIN32_FIND_DATAA data;
        const TFindHandle open(FindFirstFileA((temp.Path() + "\\Open\\*").c_str(), &data));
        ASSERT_TRUE(open);
        if (RemoveDirectoryA((temp.Path() + "\\Open").c_str()))
            GTEST_SKIP() << "an open search does not hold its directory on this system";
    }
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(search.Find(temp.Path() + "\\Searched\\*").has_value());
    EXPECT_TRUE(RemoveDirectoryA((temp.Path() + "\\Searched").c_str()));
}

} // namespace
