#include "core/FileLists.h"

#include <gtest/gtest.h>

using namespace porutena;

namespace {

struct MoveCase {
    const char* title;
    TStringList old;
    TStringList batch;
    int limit;
    TStringList expected;
};

TEST(FileListsTest, MovingABatchIntoTheOldList) {
    const MoveCase cases[] = {
        {"batch reversed", {}, {"a", "b", "c"}, 5, {"c", "b", "a"}},
        {"oldest dropped at the limit",
         {"e", "d", "c", "b", "a"},
         {"f"},
         5,
         {"f", "e", "d", "c", "b"}},
        {"present name moves to the front", {"c", "b", "a"}, {"b"}, 5, {"b", "c", "a"}},
        {"name already at the front stays once", {"a", "x"}, {"a"}, 5, {"a", "x"}},
        {"present name at the limit drops nothing", {"c", "b", "a"}, {"a"}, 3, {"a", "c", "b"}},
        {"long batch keeps its last names", {}, {"a", "b", "c", "d", "e"}, 3, {"e", "d", "c"}},
        {"letter case makes names distinct",
         {"C:\\A.txt"},
         {"c:\\a.txt"},
         5,
         {"c:\\a.txt", "C:\\A.txt"}},
        {"duplicates in a batch stand once", {"x"}, {"a", "b", "a"}, 5, {"a", "b", "x"}},
        {"limit one", {"x"}, {"a", "b"}, 1, {"b"}},
        {"empty batch", {"b", "a"}, {}, 5, {"b", "a"}},
        {"empty name is a name", {"a"}, {""}, 5, {"", "a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        TStringList files;
        for (const auto& name : c.batch)
            AddFile(files, name);
        EXPECT_EQ(files, c.batch);
        TStringList old = c.old;
        MoveToOldList(files, old, [&] { return c.limit; });
        EXPECT_TRUE(files.empty());
        EXPECT_EQ(old, c.expected);
    }
}

TEST(FileListsTest, CurrentListKeepsArrivalOrderAndDuplicates) {
    TStringList files;
    for (const char* name : {"b", "a", "b", ""})
        AddFile(files, name);
    EXPECT_EQ(files, (TStringList{"b", "a", "b", ""}));
}

TEST(FileListsTest, TheLimitIsReadForEachInsertion) {
    TStringList files{"a", "b", "c", "d"};
    TStringList old{"y", "x"};
    const int limits[] = {4, 4, 2, 2};
    int calls = 0;
    MoveToOldList(files, old, [&] { return limits[calls++]; });
    EXPECT_EQ(calls, 4);
    // a -> a y x; b -> b a y x; c at 2 -> c b a y; d at 2 -> d c b a.
    // One insertion drops at most one name; trimming on a lowered limit is the caller's.
    EXPECT_EQ(old, (TStringList{"d", "c", "b", "a"}));
}

TEST(FileListsTest, TrimmingKeepsTheFirstNamesUpToTheLimit) {
    struct TrimCase {
        const char* title;
        TStringList list;
        int limit;
        TStringList expected;
    };
    const TrimCase cases[] = {
        {"surplus dropped from the end", {"e", "d", "c", "b", "a"}, 3, {"e", "d", "c"}},
        {"exactly at the limit", {"c", "b", "a"}, 3, {"c", "b", "a"}},
        {"below the limit", {"b", "a"}, 100, {"b", "a"}},
        {"limit one", {"c", "b", "a"}, 1, {"c"}},
        {"limit zero empties", {"b", "a"}, 0, {}},
        {"negative limit empties", {"b", "a"}, -5, {}},
        {"empty list", {}, 3, {}},
        {"equal names kept as they stand", {"a", "a", "b"}, 2, {"a", "a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        TStringList list = c.list;
        TrimList(list, c.limit);
        EXPECT_EQ(list, c.expected);
    }
}

TEST(FileListsTest, AfterTrimmingLaterMovesObeyTheNewLimit) {
    TStringList old{"j", "i", "h", "g", "f", "e", "d", "c", "b", "a"};
    TrimList(old, 3);
    TStringList files{"k"};
    MoveToOldList(files, old, [] { return 3; });
    EXPECT_EQ(old, (TStringList{"k", "j", "i"}));
}

} // namespace
