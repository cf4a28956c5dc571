#include "platform/text_codec.h"
#include "platform/win32/file_system.h"
#include "platform/win32/wide_text.h"

#include "platform/win32/windows_api.h"
#include <gtest/gtest.h>

// <windows.h> spells these as macros for their W forms; here they are the service's methods.

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

// A fresh folder under the temporary folder for each test, removed with what is left in it.
class Win32FileSystemTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
        std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = Narrow(temp) + "svt-fs-" + std::to_string(GetCurrentProcessId()) + "-" + test;
        Remove();
        ASSERT_TRUE(CreateDirectoryW(Wide(folder_).c_str(), nullptr));
        folder_ += "\\";
    }
    void TearDown() override { Remove(); }

    std::string Path(const std::string& name) const { return folder_ + name; }

    // Everything in the folder, as the system lists it.
    Names Entries() const {
        Names names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(Wide(folder_ + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            std::string name = Narrow(found.cFileName);
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return Sorted(names);
    }

    void Write(const std::string& name, const std::string& content, DWORD attributes = 0) {
        HANDLE file = CreateFileW(Wide(Path(name)).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
        if (attributes) {
            ASSERT_TRUE(SetFileAttributesW(Wide(Path(name)).c_str(), attributes)) << name;
        }
    }

    Win32FileSystem files;

private:
    void Remove() {
        std::string root = folder_.back() == '\\' ? folder_ : folder_ + "\\";
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(Wide(root + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::wstring entry = Wide(root) + found.cFileName;
                SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryW(entry.c_str());
                else
                    DeleteFileW(entry.c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(Wide(root).c_str());
    }

    std::string folder_;
};

TEST_F(Win32FileSystemTest, ReplaceRoundTripsBytesUnderAPolishName) {
    std::string file = Utf8ToCp1250("Zażółć gęślą.svl");
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);

    ASSERT_TRUE(files.ReplaceContent(Path(file), bytes));
    EXPECT_EQ(files.ReadFile(Path(file)), bytes);
    // The name on disk is the Polish one, not its bytes read in another code page.
    EXPECT_NE(GetFileAttributesW((Wide(Path("")) + L"Zażółć gęślą.svl").c_str()),
              INVALID_FILE_ATTRIBUTES);

    ASSERT_TRUE(files.ReplaceContent(Path(file), "second\r\n"));
    EXPECT_EQ(files.ReadFile(Path(file)), "second\r\n");
    EXPECT_EQ(Entries(), Names{file}) << "a temporary file was left behind";
    EXPECT_EQ(files.FindFiles(Path("*.svl")), Names{file});

    EXPECT_TRUE(files.FileExists(Path(file)));
    EXPECT_TRUE(files.RemoveFile(Path(file)));
    EXPECT_FALSE(files.FileExists(Path(file)));
    EXPECT_FALSE(files.RemoveFile(Path(file)));
}

TEST_F(Win32FileSystemTest, ReplaceWritesAnEmptyFile) {
    ASSERT_TRUE(files.ReplaceContent(Path("empty.svl"), ""));
    EXPECT_EQ(files.ReadFile(Path("empty.svl")), "");
}

TEST_F(Win32FileSystemTest, ReplaceOfARelativeNameLandsInTheCurrentDirectory) {
    wchar_t previous[MAX_PATH];
    ASSERT_NE(GetCurrentDirectoryW(MAX_PATH, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryW(Wide(Path("")).c_str()));
    bool replaced = files.ReplaceContent("relative.svl", "r");
    std::optional<std::string> read = files.ReadFile("relative.svl");
    SetCurrentDirectoryW(previous);

    EXPECT_TRUE(replaced);
    EXPECT_EQ(read, "r");
    EXPECT_EQ(Entries(), Names{"relative.svl"});
}

TEST_F(Win32FileSystemTest, ReplaceIntoAMissingFolderFails) {
    EXPECT_FALSE(files.ReplaceContent(Path("missing\\a.svl"), "x"));
    EXPECT_EQ(Entries(), Names{});
}

TEST_F(Win32FileSystemTest, FailedReplaceKeepsTheOldFileAndNoTemporary) {
    Write("read-only.svl", "old", FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(files.ReplaceContent(Path("read-only.svl"), "new"));
    EXPECT_EQ(files.ReadFile(Path("read-only.svl")), "old");
    EXPECT_EQ(Entries(), Names{"read-only.svl"});
}

TEST_F(Win32FileSystemTest, ReplaceOfAFileOpenWithoutShareDeleteFails) {
    Write("busy.svl", "old");
    HANDLE busy = CreateFileW(Wide(Path("busy.svl")).c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    bool replaced = files.ReplaceContent(Path("busy.svl"), "new");
    CloseHandle(busy);

    EXPECT_FALSE(replaced);
    EXPECT_EQ(files.ReadFile(Path("busy.svl")), "old");
    EXPECT_EQ(Entries(), Names{"busy.svl"});
}

TEST_F(Win32FileSystemTest, FindFilesListsPlainHiddenAndReadOnlyFilesOnly) {
    Write("plain.svl", "");
    Write("hidden.svl", "", FILE_ATTRIBUTE_HIDDEN);
    Write("read-only.svl", "", FILE_ATTRIBUTE_READONLY);
    Write("other.txt", "");
    ASSERT_TRUE(CreateDirectoryW(Wide(Path("x.svl")).c_str(), nullptr));

    EXPECT_EQ(Sorted(files.FindFiles(Path("*.svl"))),
              (Names{"hidden.svl", "plain.svl", "read-only.svl"}));
    EXPECT_EQ(Sorted(files.FindFiles(Path("*.SVL"))),
              (Names{"hidden.svl", "plain.svl", "read-only.svl"}));
    EXPECT_EQ(files.FindFiles(Path("nothing*.svl")), Names{});
    EXPECT_EQ(files.FindFiles(Path("missing\\*.svl")), Names{});
}

TEST_F(Win32FileSystemTest, FindFilesSkipsSystemFiles) {
    Write("system.svl", "", FILE_ATTRIBUTE_SYSTEM);
    DWORD attributes = GetFileAttributesW(Wide(Path("system.svl")).c_str());
    if (!(attributes & FILE_ATTRIBUTE_SYSTEM))
        GTEST_SKIP() << "this file system keeps no system attribute";
    EXPECT_EQ(files.FindFiles(Path("*.svl")), Names{});
}

// Such a name would come back with "?" in place of the letters it cannot hold.
TEST_F(Win32FileSystemTest, FindFilesLeavesOutNamesWindows1250CannotSpell) {
    Write("plain.svl", "");
    HANDLE greek = CreateFileW(
        (Wide(Path("")) + L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac.svl").c_str(),
        GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(greek, INVALID_HANDLE_VALUE);
    CloseHandle(greek);
    EXPECT_EQ(files.FindFiles(Path("*.svl")), Names{"plain.svl"});
}

TEST_F(Win32FileSystemTest, AFolderIsWritableWhenAFileCanBeMadeInIt) {
    EXPECT_TRUE(files.FolderIsWritable(Path("")));
    EXPECT_EQ(Entries(), Names{}) << "the trial file was left behind";
    EXPECT_FALSE(files.FolderIsWritable(Path("missing\\")));
}

TEST_F(Win32FileSystemTest, CreateFolderMakesTheMissingFoldersAbove) {
    EXPECT_TRUE(files.CreateFolder(Path("a\\b\\")));
    bool made = files.ReplaceContent(Path("a\\b\\srvt.ini"), "x");
    EXPECT_TRUE(files.CreateFolder(Path("a\\b\\")));
    DeleteFileW(Wide(Path("a\\b\\srvt.ini")).c_str());
    RemoveDirectoryW(Wide(Path("a\\b")).c_str());
    EXPECT_TRUE(made);
    Write("file.txt", "");
    EXPECT_FALSE(files.CreateFolder(Path("file.txt\\")));
}

TEST_F(Win32FileSystemTest, MissingFilesAndFoldersReadAsNothing) {
    ASSERT_TRUE(CreateDirectoryW(Wide(Path("folder")).c_str(), nullptr));
    EXPECT_EQ(files.ReadFile(Path("missing.svl")), std::nullopt);
    EXPECT_EQ(files.ReadFile(Path("folder")), std::nullopt);
    EXPECT_FALSE(files.FileExists(Path("missing.svl")));
    EXPECT_FALSE(files.FileExists(Path("folder")));
}

} // namespace
