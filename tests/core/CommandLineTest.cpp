#include "core/CommandLine.h"

#include <gtest/gtest.h>

using namespace porutena;

namespace {

using Items = std::vector<std::string>;

// ソ and 表 end in 0x5C (`\`), ァ in 0x40; 0x83 0x20 is a lead byte before a blank.
const std::string So = "\x83\x5C";
const std::string Hyo = "\x95\x5C";
const std::string SmallA = "\x83\x40";

struct SplitCase {
    const char* name;
    std::string text;
    Items expected;
};

class SplitCommandLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, Splits) {
    EXPECT_EQ(SplitCommandLine(GetParam().text), GetParam().expected);
}

const SplitCase Cases[] = {
    {"Empty", "", {}},
    {"OnlyBlanks", " \t  ", {}},
    {"ProgramOnly", "porutena.exe", {"porutena.exe"}},
    {"QuotedNameWithBlank",
     "porutena.exe \"C:\\My Files\\a.txt\" b.txt",
     {"porutena.exe", "C:\\My Files\\a.txt", "b.txt"}},
    {"TabsAndControlCharacters", "p\ta\x01\x1F b\r\nc\x7F", {"p", "a", "b", "c\x7F"}},
    {"ExclamationMarkIsNoSeparator", "p\x01!a !", {"p", "!a", "!"}},
    {"QuotesInsideAnItem", "p a\"b c\"d", {"p", "ab cd"}},
    {"UnclosedQuoteRunsToTheEnd", "p \"a b  c", {"p", "a b  c"}},
    {"LoneQuoteAtTheEnd", "p a \"", {"p", "a", ""}},
    {"EmptyPairsAreSkipped", "p \"\" a \"\"\"\" \"\"b", {"p", "a", "b"}},
    {"EmptyPairInsideAnItem", "p a\"\"b", {"p", "ab"}},
    {"QuotedBlankIsAnItem", "p \" \"", {"p", " "}},
    {"QuotedEmptyPairThenQuotedItem", "p \"\"\"x y\"", {"p", "x y"}},
    {"EndsAtNul", std::string("p a\0b", 5), {"p", "a"}},
    {"SecondBytesAreNotBackslashes",
     "p \"C:\\" + So + "\\" + Hyo + " " + SmallA + "\" " + So,
     {"p", "C:\\" + So + "\\" + Hyo + " " + SmallA, So}},
    {"SecondByteBlankStaysInTheItem", "p \x83\x20x y", {"p", "\x83\x20x", "y"}},
    {"LoneLeadByteAtTheEnd", "p a\x83", {"p", "a\x83"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, SplitCommandLineTest, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<SplitCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(SplitWideCommandLineTest, SurrogatePairStaysWhole) {
    // 𠀋 (U+2000B): the low byte of its second unit is 0x0B, a separator's code.
    const std::wstring kanji = L"\xD840\xDC0B";
    EXPECT_EQ(SplitCommandLine(L"p " + kanji + L"x"),
              (std::vector<std::wstring>{L"p", kanji + L"x"}));
}

} // namespace
