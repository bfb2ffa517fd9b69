#include "core/FilePath.h"

#include <gtest/gtest.h>

using namespace porutena;

namespace {

// 表 and ソ end in 0x5C, the value of `\`.
const std::string Hyo = "\x95\x5C";
const std::string So = "\x83\x5C";

struct PathCase {
    const char* name;
    std::string fileName;
    std::string expected;
};

class ExtractFilePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(ExtractFilePathTest, KeepsUpToTheLastDelimiter) {
    EXPECT_EQ(ExtractFilePath(GetParam().fileName), GetParam().expected);
}

const PathCase Cases[] = {
    {"Program", "C:\\Program Files\\Porutena\\porutena.exe", "C:\\Program Files\\Porutena\\"},
    {"AtTheRoot", "C:\\porutena.exe", "C:\\"},
    {"DriveOnly", "C:porutena.exe", "C:"},
    {"NoDelimiter", "porutena.exe", ""},
    {"Empty", "", ""},
    {"EndsWithDelimiter", "C:\\dir\\", "C:\\dir\\"},
    {"NetworkShare", "\\\\server\\share\\p.exe", "\\\\server\\share\\"},
    {"FolderEndingInSecondByte5C", "C:\\" + Hyo + "\\" + So + ".exe", "C:\\" + Hyo + "\\"},
    {"FileNameOfDoubleByteCharacters", "C:\\a\\" + So + Hyo, "C:\\a\\"},
    {"NoDelimiterButSecondBytes", So + Hyo + ".exe", ""},
    // 0x81 0x5C, 歃, 濬 and 0xFC 0x5C: the ends of the lead byte ranges.
    {"LeadByteRangeEnds", "C:\\d\x81\x5C\x9F\x5C\xE0\x5C\xFC\x5C.exe", "C:\\"},
    {"HalfWidthKatakanaFolder", "C:\\ｸﾞﾙｰﾌﾟ\\a.txt", "C:\\ｸﾞﾙｰﾌﾟ\\"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ExtractFilePathTest, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<PathCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
