#include "platform/win32/DroppedFiles.h"
#include "support/DropBuilder.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace porutena;

namespace {

const std::string So = "\x83\x5C"; // ソ: its second byte is `\`

// A release that frees the drop as the shell wants and counts how often it ran.
TDroppedFiles::TRelease CountingRelease(int& releases) {
    return [&releases](HDROP drop) {
        ++releases;
        DragFinish(drop);
    };
}

HDROP Drop(const std::vector<std::string>& names, TDropText text) {
    return static_cast<HDROP>(MakeHDrop(names, text).Release());
}

std::vector<std::string> NamesOf(const TDroppedFiles& drop) {
    std::vector<std::string> names;
    for (UINT i = 0; i < drop.Count(); ++i)
        names.push_back(drop.Name(i));
    return names;
}

class DroppedFilesText : public testing::TestWithParam<TDropText> {};

TEST_P(DroppedFilesText, NamesArriveWholeInDropOrder) {
    // 259 bytes is where a 260-byte buffer cuts; "C:\a" puts a ソ across that point.
    const std::vector<std::string> names = {
        "C:\\My Files\\a.txt",
        "C:\\" + std::string(300, 'n') + ".txt",
        "C:\\a" +
            [] {
                std::string s;
                for (int i = 0; i < 150; ++i)
                    s += So;
                return s;
            }(),
        "C:\\ぽるてな\\" + So + "表\\ﾌｧｲﾙ.txt",
        "b.txt",
    };
    int releases = 0;
    {
        TDroppedFiles drop(Drop(names, GetParam()), CountingRelease(releases));
        EXPECT_EQ(NamesOf(drop), names);
        EXPECT_EQ(drop.Names(), names);
        EXPECT_EQ(drop.Name(static_cast<UINT>(names.size())), "");
    }
    EXPECT_EQ(releases, 1);
}

TEST_P(DroppedFilesText, ManyNames) {
    std::vector<std::string> names;
    for (int i = 0; i < 2000; ++i)
        names.push_back("C:\\dir\\" + So + std::to_string(i) + ".txt");
    TDroppedFiles drop(Drop(names, GetParam()));
    ASSERT_EQ(drop.Count(), names.size());
    EXPECT_EQ(drop.Name(0), names.front());
    EXPECT_EQ(drop.Name(1999), names.back());
    EXPECT_EQ(drop.Names(), names); // read in one walk
}

INSTANTIATE_TEST_SUITE_P(Texts, DroppedFilesText, testing::Values(TDropText::Ansi, TDropText::Wide),
                         [](const testing::TestParamInfo<TDropText>& info) {
                             return std::string(info.param == TDropText::Wide ? "Wide" : "Ansi");
                         });

TEST(DroppedFiles, ADropOfNoFilesIsStillReleased) {
    int releases = 0;
    {
        TDroppedFiles drop(Drop({}, TDropText::Ansi), CountingRelease(releases));
        EXPECT_EQ(drop.Count(), 0u);
        EXPECT_TRUE(drop.Names().empty());
        EXPECT_EQ(drop.Name(0), "");
    }
    EXPECT_EQ(releases, 1);
}

TEST(DroppedFiles, ReleasedWhenTheHandlerFails) {
    int releases = 0;
    try {
        TDroppedFiles drop(Drop({"C:\\a.txt"}, TDropText::Ansi), CountingRelease(releases));
        throw std::runtime_error(drop.Name(0));
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "C:\\a.txt");
    }
    EXPECT_EQ(releases, 1);
}

} // namespace
