#include "tests/support/memory_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Names = std::vector<std::string>;

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(MemoryFileSystem, NamesIgnoreAsciiCase) {
    MemoryFileSystem files;
    files.AddFile("C:\\Dir\\Profile.svl", "a");
    EXPECT_TRUE(files.FileExists("c:\\dir\\PROFILE.SVL"));
    EXPECT_TRUE(files.ReplaceContent("C:\\DIR\\profile.svl", "b"));
    EXPECT_EQ(files.ReadFile("c:\\dir\\profile.svl"), "b");
    EXPECT_EQ(files.FindFiles("C:\\dir\\*.svl"), Names{"Profile.svl"});
    EXPECT_TRUE(files.RemoveFile("C:\\dir\\PROFILE.svl"));
    EXPECT_FALSE(files.FileExists("C:\\Dir\\Profile.svl"));
    EXPECT_FALSE(files.RemoveFile("C:\\Dir\\Profile.svl"));
    EXPECT_EQ(files.ReadFile("C:\\Dir\\Profile.svl"), std::nullopt);
}

TEST(MemoryFileSystem, FindFilesMatchesWildcardsDirectlyInTheFolder) {
    MemoryFileSystem files;
    for (const char* name : {"C:\\d\\b.svl", "C:\\d\\a.SVL", "C:\\d\\a.svlx", "C:\\d\\ab.txt",
                             "C:\\d\\sub\\c.svl", "C:\\other\\d.svl", "C:\\d\\x.svl.tmp"})
        files.AddFile(name, "");
    EXPECT_EQ(Sorted(files.FindFiles("C:\\d\\*.svl")), (Names{"a.SVL", "b.svl"}));
    EXPECT_EQ(Sorted(files.FindFiles("c:\\D\\?.svl?")), Names{"a.svlx"});
    EXPECT_EQ(Sorted(files.FindFiles("C:\\d\\a*")), (Names{"a.SVL", "a.svlx", "ab.txt"}));
    EXPECT_EQ(files.FindFiles("C:\\d\\sub\\*"), Names{"c.svl"});
    EXPECT_EQ(files.FindFiles("C:\\none\\*"), Names{});
}

TEST(MemoryFileSystem, RefusedWritesAndUnreadableFilesLeaveTheContent) {
    MemoryFileSystem files;
    files.AddFile("C:\\a.svl", "old");
    files.FailWritesTo("c:\\A.SVL");
    EXPECT_FALSE(files.ReplaceContent("C:\\a.svl", "new"));
    EXPECT_TRUE(files.ReplaceContent("C:\\b.svl", "new"));
    EXPECT_EQ(files.Content("C:\\a.svl"), "old");

    files.AddFile("C:\\locked.svl", "secret");
    files.MakeUnreadable("C:\\locked.svl");
    EXPECT_TRUE(files.FileExists("C:\\locked.svl"));
    EXPECT_EQ(files.ReadFile("C:\\locked.svl"), std::nullopt);
    EXPECT_EQ(files.Content("C:\\locked.svl"), "secret");
}

TEST(MemoryFileSystem, AReadOnlyFolderTakesNoNewOrReplacedFiles) {
    MemoryFileSystem files;
    files.AddFile("C:\\Program\\srvt.ini", "old");
    files.MakeFolderReadOnly("c:\\program\\");
    EXPECT_FALSE(files.FolderIsWritable("C:\\Program\\"));
    EXPECT_TRUE(files.FolderIsWritable("C:\\Program\\Sub\\"));
    EXPECT_FALSE(files.ReplaceContent("C:\\Program\\srvt.ini", "new"));
    EXPECT_FALSE(files.ReplaceContent("C:\\Program\\other.ini", "new"));
    EXPECT_TRUE(files.ReplaceContent("C:\\Program\\Sub\\srvt.ini", "new"));
    EXPECT_EQ(files.Content("C:\\Program\\srvt.ini"), "old");
}

} // namespace
