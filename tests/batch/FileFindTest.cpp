#include "batch/FileFind.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

struct Seen {
    std::string name;
    bool directory;
    bool operator==(const Seen&) const = default;
};

std::vector<Seen> Walk(CFileFind& finder, const std::string& path, const std::string& pattern) {
    std::vector<Seen> seen;
    for (bool more = finder.FindFile(path, pattern); more;) {
        more = finder.FindNextFile();
        seen.push_back({finder.GetFileName(), finder.IsDirectory()});
    }
    return seen;
}

TEST(Wildcard, MatchesTheExtensionInAnyLetterCase) {
    for (const char* name : {"a.wav", "A.WAV", "b.Wav", "x.tar.wav", "a b.wAv", "é.wav"})
        EXPECT_TRUE(MatchesWildcard(name, "*.WAV")) << name;
    for (const char* name :
         {"a.wav.bak", "a.wavx", "awav", "a.wa", ".wav", ".hidden.wav", "", "wav"})
        EXPECT_FALSE(MatchesWildcard(name, "*.WAV")) << name;
}

TEST(Wildcard, StarBacktracksAndQuestionMarkTakesOneByte) {
    EXPECT_TRUE(MatchesWildcard("a.wav.wav", "*.wav"));
    EXPECT_TRUE(MatchesWildcard("abcabd", "*abd"));
    EXPECT_TRUE(MatchesWildcard("ab", "a?"));
    EXPECT_FALSE(MatchesWildcard("a", "a?"));
    EXPECT_FALSE(MatchesWildcard("abc", "a?"));
    EXPECT_TRUE(MatchesWildcard("anything", "*"));
    EXPECT_TRUE(MatchesWildcard(".profile", ".*"));
    // Bytes outside ASCII are compared as they are.
    EXPECT_FALSE(MatchesWildcard("\xC3\xA9.wav", "\xC3\x89.wav"));
}

TEST(FileNameOrder, FoldsAsciiLettersOnlyAndIsTotal) {
    EXPECT_TRUE(FileNameLess("a.wav", "B.wav"));
    EXPECT_TRUE(FileNameLess("B.wav", "c.wav"));
    EXPECT_TRUE(FileNameLess("ab", "a_b")); // '_' comes after the letters
    EXPECT_TRUE(FileNameLess("a", "ab"));
    EXPECT_TRUE(FileNameLess("z.wav", "\xC3\xA9.wav")); // UTF-8 after ASCII
    // Names that differ only in letter case: capitals first.
    EXPECT_TRUE(FileNameLess("A.wav", "a.wav"));
    EXPECT_FALSE(FileNameLess("a.wav", "A.wav"));
    EXPECT_FALSE(FileNameLess("a.wav", "a.wav"));
}

TEST(FileFind, FolderSearchListsFilesAndFoldersInNameOrder) {
    TempDir tmp;
    WriteFileBytes(tmp / "b.WAV", "b");
    WriteFileBytes(tmp / "a.wav", "a");
    WriteFileBytes(tmp / "C.wav", "c");
    WriteFileBytes(tmp / "skip.txt", "");
    WriteFileBytes(tmp / ".hidden.wav", "");
    fs::create_directory(tmp / "sub.wav");
    fs::create_symlink(tmp / "a.wav", tmp / "link.wav");
    fs::create_symlink(tmp / "gone", tmp / "dangling.wav");
    ASSERT_EQ(::mkfifo((tmp / "fifo.wav").c_str(), 0600), 0);

    CFileFind finder;
    EXPECT_EQ(Walk(finder, tmp.path().string(), "/*.WAV"), (std::vector<Seen>{{"a.wav", false},
                                                                              {"b.WAV", false},
                                                                              {"C.wav", false},
                                                                              {"link.wav", false},
                                                                              {"sub.wav", true}}));
    // The last match stays readable after the search says none follows.
    EXPECT_EQ(finder.GetFilePath(), (tmp / "sub.wav").string());
    EXPECT_EQ(finder.GetFileTitle(), "sub");
}

TEST(FileFind, ListingIsTakenWhenTheSearchStarts) {
    TempDir tmp;
    WriteFileBytes(tmp / "a.wav", "");
    WriteFileBytes(tmp / "b.wav", "");

    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(tmp.path().string(), "/*.WAV"));
    ASSERT_TRUE(finder.FindNextFile());
    WriteFileBytes(tmp / "a2.wav", "");
    fs::remove(tmp / "b.wav");
    EXPECT_FALSE(finder.FindNextFile());
    EXPECT_EQ(finder.GetFileName(), "b.wav");
}

TEST(FileFind, SinglePathIsTakenLiterally) {
    TempDir tmp;
    WriteFileBytes(tmp / "x*.wav", "");
    WriteFileBytes(tmp / "xy.wav", "");
    const std::string path = (tmp / "x*.wav").string();

    CFileFind finder;
    EXPECT_EQ(Walk(finder, path, ""), (std::vector<Seen>{{"x*.wav", false}}));
    EXPECT_EQ(finder.GetFilePath(), path);
    EXPECT_EQ(finder.GetFileTitle(), "x*");
    EXPECT_FALSE(finder.FindFile((tmp / "missing.wav").string()));
    EXPECT_FALSE(finder.FindFile((tmp / "nothere").string(), "/*.WAV"));
}

TEST(FileFind, TitleDropsOnlyTheLastExtension) {
    TempDir tmp;
    WriteFileBytes(tmp / "lesson.one.WAV", "");
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile(tmp.path().string(), "/*.wav"));
    finder.FindNextFile();
    EXPECT_EQ(finder.GetFileTitle(), "lesson.one");
    EXPECT_FALSE(finder.IsDots());
}

} // namespace
