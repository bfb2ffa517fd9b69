#include "core/StandardLibrary.h"

#include "FakeFileSystem.h"

#include <gtest/gtest.h>

using namespace porutena;
using namespace std::string_literals;

namespace {

// 表 and ソ: second byte 0x5C, the value of `\`.
const std::string Hyo = "\x95\x5C";
const std::string So = "\x83\x5C";

struct ConvertCase {
    std::string name;
    bool shortName;
    std::string expected;
    std::vector<std::string> searches; // exactly the searches made, in order
};

class ConvertFileNameTest : public ::testing::Test {
protected:
    ConvertFileNameTest() {
        fs.Add("C:\\Program Files|PROGRA~1\\Common Files|COMMON~1\\x.txt");
        fs.Add("C:\\Program Files|PROGRA~1\\readme.txt");
        fs.Add("C:\\Work\\Notes.TXT");
        fs.Add("C:\\Work\\Report 2024.docx|REPORT~1.DOC");
        fs.Add("C:\\Work\\file.txt");
        fs.Add("C:\\Dir\\File.txt");
        fs.Add("C:\\Work\\..old");
        fs.Add("C:\\" + Hyo + "\\" + So + "\\Data.txt");
        fs.Add("C:\\" + So + "フト資料|" + So + "フト~1\\" + Hyo + " 一覧.txt|" + Hyo +
               "一覧~1.TXT");
        fs.Add("D:\\Top.txt");
        fs.Add("\\\\Server\\Share\\Docs\\Plan.txt");
        fs.Add("\\\\Server\\" + Hyo + "\\Docs");
        fs.SetCurrentDirectory("C:\\Work");
    }

    void Check(const std::vector<ConvertCase>& cases) {
        for (const auto& c : cases) {
            SCOPED_TRACE("name: " + c.name + (c.shortName ? " (short)" : " (long)"));
            const std::size_t before = fs.Searches().size();
            EXPECT_EQ(ConvertFileName(c.name, c.shortName, fs), c.expected);
            const std::vector<std::string> made(fs.Searches().begin() + before,
                                                fs.Searches().end());
            EXPECT_EQ(made, c.searches);
        }
    }

    TFakeFileSystem fs;
};

TEST_F(ConvertFileNameTest, RootsAndTrailingSeparatorsComeBackUnsearched) {
    std::vector<ConvertCase> cases;
    for (const bool shortName : {false, true}) {
        for (const char* name : {"", "C:", "C:\\", "c:\\", "\\", "c:\\work\\", "C:\\nothere\\",
                                 "\\\\server\\share", "\\\\server\\share\\", "\\\\server"})
            cases.push_back({name, shortName, name, {}});
    }
    Check(cases);
}

TEST_F(ConvertFileNameTest, ComponentsTakeTheirStoredForm) {
    Check({
        {"c:\\program files\\common files\\x.txt",
         false,
         "c:\\Program Files\\Common Files\\x.txt",
         {"c:\\program files", "c:\\Program Files\\common files",
          "c:\\Program Files\\Common Files\\x.txt"}},
        {"c:\\program files\\common files\\x.txt",
         true,
         "c:\\PROGRA~1\\COMMON~1\\x.txt",
         {"c:\\program files", "c:\\PROGRA~1\\common files", "c:\\PROGRA~1\\COMMON~1\\x.txt"}},
        // Short names in the input expand to long ones.
        {"C:\\PROGRA~1\\README.TXT",
         false,
         "C:\\Program Files\\readme.txt",
         {"C:\\PROGRA~1", "C:\\Program Files\\README.TXT"}},
        // Names that already are valid 8.3 names have no short form and stay as stored.
        {"C:\\work\\FILE.TXT", true, "C:\\Work\\file.txt", {"C:\\work", "C:\\Work\\FILE.TXT"}},
        {"C:\\WORK\\report 2024.DOCX",
         true,
         "C:\\Work\\REPORT~1.DOC",
         {"C:\\WORK", "C:\\Work\\report 2024.DOCX"}},
        {"d:\\top.txt", false, "d:\\Top.txt", {"d:\\top.txt"}},
    });
}

TEST_F(ConvertFileNameTest, AMissingComponentAtAnyDepthEmptiesTheResult) {
    Check({
        {"C:\\nothere", false, "", {"C:\\nothere"}},
        {"C:\\nothere\\x.txt", true, "", {"C:\\nothere"}},
        {"C:\\Program Files\\nothere\\x.txt",
         false,
         "",
         {"C:\\Program Files", "C:\\Program Files\\nothere"}},
        {"C:\\Program Files\\Common Files\\gone.txt",
         true,
         "",
         {"C:\\Program Files", "C:\\PROGRA~1\\Common Files", "C:\\PROGRA~1\\COMMON~1\\gone.txt"}},
        // Notes.TXT exists in the current directory, but it is not what was asked for.
        {"C:\\nothere\\notes.txt", false, "", {"C:\\nothere"}},
        {"X:\\Work\\notes.txt", false, "", {"X:\\Work"}},
    });
}

TEST_F(ConvertFileNameTest, RelativeNamesStayRelative) {
    Check({
        {"notes.txt", false, "Notes.TXT", {"notes.txt"}},
        {"report 2024.docx", true, "REPORT~1.DOC", {"report 2024.docx"}},
        {"gone.txt", false, "", {"gone.txt"}},
        // `.` and `..` are resolved before any search; a leading `..` stays as written.
        {".\\notes.txt", false, "Notes.TXT", {"notes.txt"}},
        {"..\\dir\\file.txt", false, "..\\Dir\\File.txt", {"..\\dir", "..\\Dir\\file.txt"}},
        {"work\\..\\..", false, "..", {}},
        {".", true, ".", {}},
        // Drive-relative names resolve at the drive's root, not its current directory.
        {"d:top.txt", false, "d:\\Top.txt", {"d:\\top.txt"}},
        {"C:notes.txt", false, "", {"C:\\notes.txt"}},
        {"C:dir\\file.txt", false, "C:\\Dir\\File.txt", {"C:\\dir", "C:\\Dir\\file.txt"}},
    });
}

TEST_F(ConvertFileNameTest, RootRelativeNamesKeepTheirRoot) {
    Check({
        {"\\dir\\file.txt", false, "\\Dir\\File.txt", {"\\dir", "\\Dir\\file.txt"}},
        {"\\work\\notes.txt", true, "\\Work\\Notes.TXT", {"\\work", "\\Work\\notes.txt"}},
        {"\\program files", true, "\\PROGRA~1", {"\\program files"}},
        {"\\nothere\\notes.txt", false, "", {"\\nothere"}},
        // Only `\` is a root: a leading `:` stays as written.
        {":work\\notes.txt", false, "", {":\\work"}},
    });
}

TEST_F(ConvertFileNameTest, NetworkNamesKeepServerAndShare) {
    Check({
        {"\\\\server\\share\\docs\\plan.txt",
         false,
         "\\\\server\\share\\Docs\\Plan.txt",
         {"\\\\server\\share\\docs", "\\\\server\\share\\Docs\\plan.txt"}},
        {"\\\\server\\share\\docs", true, "\\\\server\\share\\Docs", {"\\\\server\\share\\docs"}},
        {"\\\\server\\share\\nothere\\plan.txt", false, "", {"\\\\server\\share\\nothere"}},
        {"\\\\other\\share\\docs", false, "", {"\\\\other\\share\\docs"}},
        // The share's name ends with the byte of `\`, not with a separator.
        {"\\\\server\\" + Hyo + "\\docs",
         false,
         "\\\\server\\" + Hyo + "\\Docs",
         {"\\\\server\\" + Hyo + "\\docs"}},
    });
}

TEST_F(ConvertFileNameTest, SlashesAndDotsResolveAsTheSystemResolvesThem) {
    Check({
        {"C:\\Dir/File.txt", false, "C:\\Dir\\File.txt", {"C:\\Dir", "C:\\Dir\\File.txt"}},
        {"C:/dir/file.txt", false, "C:\\Dir\\File.txt", {"C:\\dir", "C:\\Dir\\file.txt"}},
        {"C:\\program files\\common files/x.txt",
         true,
         "C:\\PROGRA~1\\COMMON~1\\x.txt",
         {"C:\\program files", "C:\\PROGRA~1\\common files", "C:\\PROGRA~1\\COMMON~1\\x.txt"}},
        {"/../work/notes.txt", false, "\\Work\\Notes.TXT", {"\\work", "\\Work\\notes.txt"}},
        {"//server/share/../docs", false, "\\\\server\\share\\Docs", {"\\\\server\\share\\docs"}},
        {"C:\\nothere/", false, "C:\\nothere\\", {}},
        {"C:\\Dir\\.\\File.txt", false, "C:\\Dir\\File.txt", {"C:\\Dir", "C:\\Dir\\File.txt"}},
        {"C:\\nothere\\..\\work\\.", false, "C:\\Work", {"C:\\work"}},
        {"C:\\..\\..\\dir\\file.txt", false, "C:\\Dir\\File.txt", {"C:\\dir", "C:\\Dir\\file.txt"}},
        {"C:\\Work\\..", true, "C:\\", {}},
        {"C:/work/..", true, "C:\\", {}},
        // A `.` is no component that a `..` cancels.
        {"C:\\dir\\.\\..\\work\\notes.txt",
         false,
         "C:\\Work\\Notes.TXT",
         {"C:\\work", "C:\\Work\\notes.txt"}},
        // The empty component of a doubled separator counts as nothing.
        {"C:\\work\\\\..\\dir\\file.txt",
         false,
         "C:\\Dir\\File.txt",
         {"C:\\dir", "C:\\Dir\\file.txt"}},
        // Names that begin with dots are names.
        {"c:\\work\\..OLD", false, "c:\\Work\\..old", {"c:\\work", "c:\\Work\\..OLD"}},
        // The system would search the text before the NUL.
        {"C:\\Dir\\File.txt\0x"s, false, "", {}},
    });
}

TEST_F(ConvertFileNameTest, WildcardsTakeTheFirstMatchInDirectoryOrder) {
    Check({
        {"C:\\Work\\*.txt", false, "C:\\Work\\Notes.TXT", {"C:\\Work", "C:\\Work\\*.txt"}},
        {"C:\\Work\\*.docx", false, "C:\\Work\\Report 2024.docx", {"C:\\Work", "C:\\Work\\*.docx"}},
        {"C:\\Work\\*.docx", true, "C:\\Work\\REPORT~1.DOC", {"C:\\Work", "C:\\Work\\*.docx"}},
        {"C:\\prog*\\common ?iles\\x.txt",
         false,
         "C:\\Program Files\\Common Files\\x.txt",
         {"C:\\prog*", "C:\\Program Files\\common ?iles",
          "C:\\Program Files\\Common Files\\x.txt"}},
        {"C:\\Work\\*.pdf", false, "", {"C:\\Work", "C:\\Work\\*.pdf"}},
    });
}

TEST_F(ConvertFileNameTest, DoubleByteNamesEndingInTheBackslashByte) {
    const std::string dirs = "C:\\" + Hyo + "\\" + So;
    const std::string shortDir = "C:\\" + So + "フト~1";
    Check({
        {dirs + "\\data.txt",
         false,
         dirs + "\\Data.txt",
         {"C:\\" + Hyo, dirs, dirs + "\\data.txt"}},
        {dirs + "\\DATA.TXT", true, dirs + "\\Data.txt", {"C:\\" + Hyo, dirs, dirs + "\\DATA.TXT"}},
        {dirs, false, dirs, {"C:\\" + Hyo, dirs}},
        {dirs + "\\", false, dirs + "\\", {}},
        {"C:\\" + Hyo + "\\\\" + So + "\\..\\..\\" + Hyo + "\\" + So,
         false,
         dirs,
         {"C:\\" + Hyo, dirs}},
        {"\\" + Hyo + "\\" + So + "\\data.txt",
         false,
         "\\" + Hyo + "\\" + So + "\\Data.txt",
         {"\\" + Hyo, "\\" + Hyo + "\\" + So, "\\" + Hyo + "\\" + So + "\\data.txt"}},
        {"C:\\" + So + "フト資料\\" + Hyo + " 一覧.txt",
         true,
         shortDir + "\\" + Hyo + "一覧~1.TXT",
         {"C:\\" + So + "フト資料", shortDir + "\\" + Hyo + " 一覧.txt"}},
        {"C:\\" + Hyo + "\\nothere\\data.txt",
         false,
         "",
         {"C:\\" + Hyo, "C:\\" + Hyo + "\\nothere"}},
    });
}

// Every search finds the entry, stored as `A`.
struct TCapitalSearch final : IDirectorySearch {
    std::optional<TFoundEntry> Find(const std::string&) const override {
        ++searches;
        return TFoundEntry{"A", ""};
    }
    mutable int searches = 0;
};

TEST_F(ConvertFileNameTest, TheDeepestNameOfACommandLineIsSearchedOncePerComponent) {
    // `a\a\...\a`: 16,384 components in the 32,767 characters a command line holds.
    std::string deep = "a", capitals = "A";
    while (deep.size() < 32767) {
        deep += "\\a";
        capitals += "\\A";
    }
    Check({{deep, false, "", {"a"}}});
    const TCapitalSearch everything;
    EXPECT_EQ(ConvertFileName(deep, true, everything), capitals);
    EXPECT_EQ(everything.searches, 16384);
}

} // namespace
