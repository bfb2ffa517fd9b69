#include "core/OpenFileNames.h"

#include <gtest/gtest.h>

using namespace porutena;

namespace {

using Names = std::vector<std::string>;

const std::string So = "\x83\x5C"; // ソ: its second byte is `\`
const std::string Po = "\x83\x7C"; // ポ: its second byte is `|`

struct ResultCase {
    const char* name;
    std::string buffer;
    std::size_t fileOffset;
    Names expected;
};

class ParseOpenFileResultTest : public testing::TestWithParam<ResultCase> {};

TEST_P(ParseOpenFileResultTest, Parses) {
    // The dialog's buffer is larger than what it writes; the rest stays NUL.
    std::string buffer = GetParam().buffer;
    buffer.resize(buffer.size() + 8, '\0');
    EXPECT_EQ(ParseOpenFileResult(buffer, GetParam().fileOffset), GetParam().expected);
}

const ResultCase ResultCases[] = {
    {"SingleFile", std::string("C:\\dir\\a.txt\0", 13), 7, {"C:\\dir\\a.txt"}},
    {"SingleFileAtRoot", std::string("C:\\a.txt\0", 9), 3, {"C:\\a.txt"}},
    {"SeveralInADirectory",
     std::string("C:\\My Files\0b.txt\0a b.txt\0\0", 27),
     12,
     {"C:\\My Files\\b.txt", "C:\\My Files\\a b.txt"}},
    {"SeveralAtADriveRoot",
     std::string("C:\\\0a.txt\0b.txt\0\0", 17),
     4,
     {"C:\\a.txt", "C:\\b.txt"}},
    {"SeveralInADirectoryEndingInSo",
     "C:\\" + So + std::string("\0x.txt\0", 7) + So + std::string(".txt\0\0", 6),
     6,
     {"C:\\" + So + "\\x.txt", "C:\\" + So + "\\" + So + ".txt"}},
    {"SeveralOnANetworkShare",
     std::string("\\\\server\\share\0a\0\0", 18),
     15,
     {"\\\\server\\share\\a"}},
    {"NothingChosen", std::string(), 0, {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ParseOpenFileResultTest, testing::ValuesIn(ResultCases),
                         [](const testing::TestParamInfo<ResultCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ParseOpenFileResult, StopsAtTheBufferEnd) {
    // A buffer filled to its last byte without the closing NULs.
    const std::string buffer("C:\\d\0a.txt\0b.t", 14);
    EXPECT_EQ(ParseOpenFileResult(buffer, 5), (Names{"C:\\d\\a.txt", "C:\\d\\b.t"}));
    EXPECT_EQ(ParseOpenFileResult("C:\\d\\a.txt", 5), (Names{"C:\\d\\a.txt"}));
}

TEST(ParseOpenFileResult, KeepsTheDialogsOrderForManyNames) {
    std::string buffer = std::string("C:\\dir") + '\0';
    Names expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string name = So + std::to_string(4999 - i) + ".txt";
        buffer += name + '\0';
        expected.push_back("C:\\dir\\" + name);
    }
    buffer += '\0';
    EXPECT_EQ(ParseOpenFileResult(buffer, 7), expected);
}

TEST(DialogFilter, BarsBecomeNulsPerCharacter) {
    EXPECT_EQ(DialogFilter("すべてのﾌｧｲﾙ(*.*)|*.*"), std::string("すべてのﾌｧｲﾙ(*.*)\0*.*\0\0", 23));
    EXPECT_EQ(DialogFilter(Po + "|*." + Po),
              Po + std::string("\0*.", 3) + Po + std::string("\0\0", 2));
    EXPECT_EQ(DialogFilter(""), std::string("\0\0", 2));
}

} // namespace
