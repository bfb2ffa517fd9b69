#include "core/Rendering.h"

#include "FakeFileSystem.h"

#include <gtest/gtest.h>

using namespace porutena;

namespace {

const std::string Hyo = "\x95\x5C";
const std::string So = "\x83\x5C";

using enum TFileViewStyle;
using enum TFileViewLength;
using enum TPathSep;

class RenderingTest : public ::testing::Test {
protected:
    RenderingTest() {
        fs.Add("C:\\Program Files|PROGRA~1\\Read Me.txt|README~1.TXT");
        fs.Add("C:\\" + Hyo + "\\" + So + "\\Data.txt");
        fs.Add("C:\\dir\\file.txt");
    }
    TFakeFileSystem fs;
};

TEST_F(RenderingTest, EveryViewOptionCombination) {
    struct Case {
        TViewOptions options;
        const char* expected;
    };
    const Case cases[] = {
        {{fvsFullPath, fvlLongName, psYen}, "c:\\Program Files\\Read Me.txt"},
        {{fvsFullPath, fvlLongName, psSlash}, "c:/Program Files/Read Me.txt"},
        {{fvsFullPath, fvlLongName, psDoubleYen}, "c:\\\\Program Files\\\\Read Me.txt"},
        {{fvsFullPath, fvlShortName, psYen}, "c:\\PROGRA~1\\README~1.TXT"},
        {{fvsFullPath, fvlShortName, psSlash}, "c:/PROGRA~1/README~1.TXT"},
        {{fvsFullPath, fvlShortName, psDoubleYen}, "c:\\\\PROGRA~1\\\\README~1.TXT"},
        {{fvsFileOnly, fvlLongName, psYen}, "Read Me.txt"},
        {{fvsFileOnly, fvlLongName, psSlash}, "Read Me.txt"},
        {{fvsFileOnly, fvlLongName, psDoubleYen}, "Read Me.txt"},
        {{fvsFileOnly, fvlShortName, psYen}, "README~1.TXT"},
        {{fvsFileOnly, fvlShortName, psSlash}, "README~1.TXT"},
        {{fvsFileOnly, fvlShortName, psDoubleYen}, "README~1.TXT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(RenderName("c:\\program files\\read me.txt", c.options, fs), c.expected);
    }
}

TEST_F(RenderingTest, SeparatorsSkipSecondBytesOfDoubleByteCharacters) {
    const std::string name = "C:\\" + Hyo + "\\" + So + "\\data.txt";
    EXPECT_EQ(RenderName(name, {fvsFullPath, fvlLongName, psSlash}, fs),
              "C:/" + Hyo + "/" + So + "/Data.txt");
    EXPECT_EQ(RenderName(name, {fvsFullPath, fvlLongName, psDoubleYen}, fs),
              "C:\\\\" + Hyo + "\\\\" + So + "\\\\Data.txt");
    EXPECT_EQ(RenderName("C:\\" + Hyo + "\\" + So, {fvsFileOnly, fvlLongName, psYen}, fs), So);
}

TEST_F(RenderingTest, NamesThatDoNotResolveRenderEmptyInEveryOption) {
    for (const auto style : {fvsFullPath, fvsFileOnly})
        for (const auto length : {fvlLongName, fvlShortName})
            for (const auto sep : {psYen, psSlash, psDoubleYen})
                EXPECT_EQ(RenderName("C:\\dir\\gone.txt", {style, length, sep}, fs), "");
}

TEST_F(RenderingTest, FileOnlyOfRootsIsEmpty) {
    for (const char* name : {"C:\\", "C:", "C:\\dir\\"})
        EXPECT_EQ(RenderName(name, {fvsFileOnly, fvlLongName, psYen}, fs), "") << name;
}

TEST_F(RenderingTest, ListsRenderOneRowPerEntryInOrder) {
    const TStringList list{"c:\\DIR\\FILE.TXT", "C:\\dir\\gone.txt", "c:\\dir\\file.txt",
                           "c:\\DIR\\FILE.TXT"};
    EXPECT_EQ(RenderList(list, {fvsFullPath, fvlLongName, psSlash}, fs),
              (TStringList{"c:/dir/file.txt", "", "c:/dir/file.txt", "c:/dir/file.txt"}));
    EXPECT_TRUE(RenderList({}, {}, fs).empty());
}

TEST(CopyAllTextTest, EveryRowEndsWithCrLf) {
    EXPECT_EQ(CopyAllText({"a", "b"}), "a\r\nb\r\n");
    EXPECT_EQ(CopyAllText({"", "x", ""}), "\r\nx\r\n\r\n");
    EXPECT_EQ(CopyAllText({}), "");
}

} // namespace
