#include "platform/posix/PosixDirectorySearch.h"

#include "core/StandardLibrary.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <stdexcept>

using namespace porutena;

namespace {

const std::string Hyo = "\x95\x5C";
const std::string So = "\x83\x5C";

// A fresh directory under /tmp, removed with everything in it.
class TTempDirectory {
public:
    TTempDirectory() {
        char pattern[] = "/tmp/porutena-search-XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("mkdtemp failed");
        FPath = pattern;
    }
    ~TTempDirectory() {
        nftw(
            FPath.c_str(),
            [](const char* path, const struct stat*, int, FTW*) { return remove(path); }, 16,
            FTW_DEPTH | FTW_PHYS);
    }
    TTempDirectory(const TTempDirectory&) = delete;
    TTempDirectory& operator=(const TTempDirectory&) = delete;

    const std::string& Path() const { return FPath; }

    void MakeDirectory(const std::string& relative) const {
        ASSERT_EQ(mkdir((FPath + "/" + relative).c_str(), 0755), 0) << relative;
    }
    void MakeFile(const std::string& relative, mode_t mode = 0644) const {
        const int fd = open((FPath + "/" + relative).c_str(), O_CREAT | O_WRONLY, mode);
        ASSERT_GE(fd, 0) << relative;
        close(fd);
    }

private:
    std::string FPath;
};

// `/tmp/x` as the Windows-style name `\tmp\x` (the temporary paths are plain ASCII).
std::string WindowsName(std::string path) {
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

class PosixDirectorySearchTest : public ::testing::Test {
protected:
    PosixDirectorySearchTest() {
        temp.MakeFile("Notes.TXT");
        temp.MakeFile(".hidden");
        temp.MakeFile("ReadOnly.txt", 0444);
        temp.MakeDirectory("Dir");
        temp.MakeFile("Dir/File.txt");
        temp.MakeDirectory(Hyo);
        temp.MakeDirectory(Hyo + "/" + So);
        temp.MakeFile(Hyo + "/" + So + "/Data.txt");
        root = WindowsName(temp.Path());
    }

    TTempDirectory temp;
    std::string root;
    TPosixDirectorySearch search;
};

TEST_F(PosixDirectorySearchTest, FindsStoredNamesWithoutRegardToCase) {
    struct Case {
        std::string path;
        std::optional<std::string> found;
    };
    const Case cases[] = {
        {root + "\\notes.txt", "Notes.TXT"},
        {root + "\\NOTES.TXT", "Notes.TXT"},
        {root + "\\dir", "Dir"},
        {root + "\\Dir\\file.TXT", "File.txt"},
        {root + "\\.HIDDEN", ".hidden"},
        {root + "\\readonly.txt", "ReadOnly.txt"},
        {root + "\\n?tes.*", "Notes.TXT"},
        {root + "\\Dir\\*.txt", "File.txt"},
        {root + "\\" + Hyo, Hyo},
        {root + "\\" + Hyo + "\\" + So, So},
        {root + "\\" + Hyo + "\\" + So + "\\data.txt", "Data.txt"},
        {root + "\\gone.txt", std::nullopt},
        {root + "\\nothere\\notes.txt", std::nullopt},
        {root + "\\dir\\", std::nullopt},
        {root + "\\*.pdf", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto entry = search.Find(c.path);
        ASSERT_EQ(entry.has_value(), c.found.has_value());
        if (entry) {
            EXPECT_EQ(entry->LongName, *c.found);
            EXPECT_EQ(entry->ShortName, "");
        }
    }
}

TEST_F(PosixDirectorySearchTest, WildcardsGiveTheFirstEntryTheDirectoryLists) {
    temp.MakeDirectory("many");
    for (const char* name : {"b.log", "a.txt", "c.txt", "d.txt"})
        temp.MakeFile(std::string("many/") + name);

    std::string first;
    DIR* dir = opendir((temp.Path() + "/many").c_str());
    ASSERT_NE(dir, nullptr);
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (first.empty() && name.size() > 4 && name.ends_with(".txt"))
            first = name;
    }
    closedir(dir);

    const auto entry = search.Find(root + "\\many\\*.TXT");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->LongName, first);
}

TEST_F(PosixDirectorySearchTest, RelativeNamesResolveInTheCurrentDirectory) {
    char previous[PATH_MAX];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(temp.Path().c_str()), 0);
    const auto notes = search.Find("notes.txt");
    const auto file = search.Find("Dir\\FILE.txt");
    ASSERT_EQ(chdir(previous), 0);
    ASSERT_TRUE(notes && file);
    EXPECT_EQ(notes->LongName, "Notes.TXT");
    EXPECT_EQ(file->LongName, "File.txt");
}

TEST_F(PosixDirectorySearchTest, ConvertsWholeNames) {
    const std::string dbcs = root + "\\" + Hyo + "\\" + So;
    for (const bool shortName : {false, true}) {
        EXPECT_EQ(ConvertFileName(root + "\\DIR\\file.txt", shortName, search),
                  root + "\\Dir\\File.txt");
        EXPECT_EQ(ConvertFileName(dbcs + "\\DATA.TXT", shortName, search), dbcs + "\\Data.txt");
        EXPECT_EQ(ConvertFileName(root + "\\nothere\\file.txt", shortName, search), "");
    }
}

} // namespace
