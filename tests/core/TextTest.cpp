#include "core/Text.h"

#include <gtest/gtest.h>

#include <climits>

using namespace porutena;

namespace {

// 表 and ソ: second byte 0x5C, the value of `\`.
const std::string Hyo = "\x95\x5C";
const std::string So = "\x83\x5C";

TEST(TextTest, DelimitersAreFoundPerCharacter) {
    EXPECT_EQ(LastDelimiter("\\:", "C:\\dir\\" + Hyo), 6u);
    EXPECT_EQ(LastDelimiter("\\:", Hyo + So), std::string::npos);
    EXPECT_EQ(LastDelimiter("\\:", "C:"), 1u);
    EXPECT_EQ(LastDelimiter("\\:", ""), std::string::npos);
    EXPECT_EQ(LastDelimiter("\\:", "a\\" + So + "b"), 1u);
}

TEST(TextTest, FirstDelimiterFromACharacterStart) {
    EXPECT_EQ(FirstDelimiter("\\", Hyo + So + "\\a"), 4u);
    EXPECT_EQ(FirstDelimiter("\\", "\\\\srv\\share", 2), 5u);
    EXPECT_EQ(FirstDelimiter("\\", "\\\\" + Hyo + "\\x", 2), 4u);
    EXPECT_EQ(FirstDelimiter("\\", "a\\b", 2), std::string::npos);
    EXPECT_EQ(FirstDelimiter("\\:", "ab:c"), 2u);
    EXPECT_EQ(FirstDelimiter("\\", ""), std::string::npos);
}

TEST(TextTest, WildcardMatching) {
    struct Case {
        std::string pattern;
        std::string name;
        bool matches;
    };
    const Case cases[] = {
        {"readme.txt", "README.TXT", true},
        {"README.TXT", "readme.txt", true},
        {"readme.txt", "readme.tx", false},
        {"readme.tx", "readme.txt", false},
        {"*", "", true},
        {"*", ".", true},
        {"", "", true},
        {"", "a", false},
        {"*.txt", "Notes.TXT", true},
        {"*.txt", "Notes.TXT.bak", false},
        {"a*b*c", "aXbYbZc", true},
        {"a*b*c", "aXbYbZ", false},
        {"**x", "abx", true},
        {"?", Hyo, true},
        {"??", Hyo, false},
        {"?.txt", So + ".txt", true},
        {Hyo + "*", Hyo + So, true},
        {"*" + So, Hyo + So, true},
        // 0x5C as a second byte is no `\`, and a second byte never starts a match.
        {"*\\", Hyo, false},
        {"\\*", "\x5C" + Hyo, true},
        {"*\x5C", Hyo, false},
        // A lone lead byte at the end is a character of its own, not half of 表.
        {"*\x95", Hyo, false},
        {"*\x95", Hyo + "\x95", true},
        // Only letters fold; double-byte characters compare whole.
        {"\x82\x60", "\x82\x81", false},
        {"[a]", "[A]", true},
        {"@", "`", false},
        {"z", "Z", true},
        {"Z", "z", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesWildcard(c.pattern, c.name), c.matches)
            << "pattern '" << c.pattern << "' name '" << c.name << "'";
}

TEST(TextTest, LastCharacterIsTestedPerCharacter) {
    EXPECT_TRUE(EndsWithChar("C:\\", '\\'));
    EXPECT_FALSE(EndsWithChar("C:\\" + Hyo, '\\'));
    EXPECT_TRUE(EndsWithChar(So + "\\", '\\'));
    EXPECT_FALSE(EndsWithChar("", '\\'));
    // A lone lead byte at the end is a character of its own.
    EXPECT_FALSE(EndsWithChar("a\x95", '\\'));
}

TEST(TextTest, BackslashReplacementSkipsSecondBytes) {
    EXPECT_EQ(ReplaceBackslash("C:\\" + Hyo + "\\" + So, "/"), "C:/" + Hyo + "/" + So);
    EXPECT_EQ(ReplaceBackslash("\\\\a\\", "\\\\"), "\\\\\\\\a\\\\");
    EXPECT_EQ(ReplaceBackslash("", "/"), "");
    // The bytes just outside the lead byte ranges stand alone.
    EXPECT_EQ(ReplaceBackslash("\x80\\\xA0\\\xDF\\\xFD\\", "/"), "\x80/\xA0/\xDF/\xFD/");
}

struct IntCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

TEST(TextTest, IntegerText) {
    const IntCase cases[] = {
        {"0", 0},
        {"7", 7},
        {"9", 9},
        {" 7", 7},
        {"   -12", -12},
        {"+5", 5},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"$10", 16},
        {"$A", 10},
        {"$a", 10},
        {"$19", 25},
        {"0xab", 171},
        {"-$A", -10},
        {"xff", 255},
        {"X1F", 31},
        {"0x10", 16},
        {"0X10", 16},
        {"$FFFFFFFF", -1},
        {"$80000000", INT_MIN},
        {"$000000010", 16},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"\t7", std::nullopt},
        {"7 ", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"+-1", std::nullopt},
        {"--1", std::nullopt},
        {"- 1", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"$100000000", std::nullopt},
        {"$G", std::nullopt},
        {"1.5", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TryStrToInt(c.text), c.expected) << "text: '" << c.text << "'";
}

TEST(TextTest, DigitsInGroupsOfThree) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "0"},          {999, "999"},        {1000, "1,000"},
        {12345, "12,345"}, {100000, "100,000"}, {1234567, "1,234,567"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(GroupDigits(value), text) << value;
}

} // namespace
