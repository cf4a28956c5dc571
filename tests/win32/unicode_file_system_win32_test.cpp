// Files by UTF-16 names on Wine's file system: folders made with their parents, new files
// that never replace another, listings without folders, all under names Windows-1250 cannot
// hold; and the user's local application data folder as the shell names it.
#include "platform/win32/folders.h"
#include "platform/win32/unicode_file_system.h"
#include "tests/win32/scratch_folder.h"

#include "platform/win32/windows_api.h"
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::u16string Cyrillic = u"\u0416\u0443\u0440\u043d\u0430\u043b";

bool IsFolder(const std::u16string& path) {
    DWORD attributes = GetFileAttributesW(std::wstring(path.begin(), path.end()).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ContentOf(const std::u16string& name) {
    HANDLE file = CreateFileW(std::wstring(name.begin(), name.end()).c_str(), GENERIC_READ, 0,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<none>";
    char buffer[256];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

class UnicodeFileSystemTest : public testing::Test {
protected:
    ScratchFolder scratch{L"-\u03a9"};
    std::u16string folder =
        scratch.Utf16() + u"\\" + Cyrillic + u"\\\u0394\u03b5\u03bb\u03c4\u03b1";
    Win32UnicodeFileSystem files;
};

TEST_F(UnicodeFileSystemTest, MakesAFolderWithItsParents) {
    EXPECT_TRUE(files.CreateFolder(folder));
    EXPECT_TRUE(IsFolder(folder));
    EXPECT_TRUE(files.CreateFolder(folder));
}

TEST_F(UnicodeFileSystemTest, AFolderCannotBeMadeWhereAFileIs) {
    ASSERT_TRUE(files.CreateFolder(scratch.Utf16()));
    ASSERT_TRUE(files.CreateNewFile(scratch.Utf16() + u"\\" + Cyrillic, "file"));
    EXPECT_FALSE(files.CreateFolder(folder));
}

TEST_F(UnicodeFileSystemTest, ANewFileIsWrittenWholeAndNeverReplacesAnother) {
    ASSERT_TRUE(files.CreateFolder(folder));
    std::u16string name = folder + u"\\2026-12-11 14-05-33 \u0105.reg";
    EXPECT_TRUE(files.CreateNewFile(name, std::string("first\0bytes", 11)));
    EXPECT_FALSE(files.CreateNewFile(name, "second"));
    EXPECT_EQ(ContentOf(name), std::string("first\0bytes", 11));
    EXPECT_FALSE(files.CreateNewFile(folder + u"\\missing\\x.reg", "x"));
    // Nothing is left behind by the refused writes.
    EXPECT_EQ(files.FindFiles(folder + u"\\*"),
              std::vector<std::u16string>{name.substr(folder.size() + 1)});
}

TEST_F(UnicodeFileSystemTest, ListsTheMatchingFilesButNoFoldersAndRemovesThem) {
    ASSERT_TRUE(files.CreateFolder(folder + u"\\sub.reg"));
    ASSERT_TRUE(files.CreateNewFile(folder + u"\\a.reg", "a"));
    ASSERT_TRUE(files.CreateNewFile(folder + u"\\\u0431.reg", "b"));
    ASSERT_TRUE(files.CreateNewFile(folder + u"\\c.txt", "c"));
    std::vector<std::u16string> found = files.FindFiles(folder + u"\\*.reg");
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::u16string>{u"a.reg", u"\u0431.reg"}));
    EXPECT_TRUE(files.RemoveFile(folder + u"\\\u0431.reg"));
    EXPECT_FALSE(files.RemoveFile(folder + u"\\\u0431.reg"));
    EXPECT_EQ(files.FindFiles(folder + u"\\*.reg"), std::vector<std::u16string>{u"a.reg"});
}

TEST(Win32Folders, LocalApplicationDataIsAFolderThatExists) {
    std::u16string folder = Win32Folders().LocalApplicationData();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), u'\\');
    EXPECT_TRUE(IsFolder(folder));
}

} // namespace
