// Where the journals go and what they are called: %LOCALAPPDATA%\Sorvanto\Undo, one new file
// per operation named by its local time, numbered within a second, never replacing another,
// the newest 100 kept.
#include "platform/exceptions.h"
#include "platform/memory_registry_store.h"
#include "tests/support/fake_platform.h"
#include "undo/journal_folder.h"
#include "undo/undo_journal.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const std::u16string Undo = u"C:\\Users\\Ola\\AppData\\Local\\Sorvanto\\Undo";

std::u16string Utf16(const char* ascii) {
    return {ascii, ascii + std::char_traits<char>::length(ascii)};
}

class JournalFolderTest : public testing::Test {
protected:
    std::u16string Add(const std::u16string& operation, const std::string& content) {
        return JournalFolder(files, Undo).Add(now, operation, content);
    }
    // A journal of an earlier operation: day `day` of January, at midnight.
    void AddOlder(int day, const char* suffix = "") {
        char name[64];
        std::snprintf(name, sizeof name, "\\2026-01-%02d 00-00-00 Apply%s.reg", day, suffix);
        files.AddFile(Undo + Utf16(name), "old");
    }
    bool Has(const char* name) const {
        return files.Content(Undo + u'\\' + Utf16(name)).has_value();
    }

    MemoryUnicodeFileSystem files;
    LocalTime now{2026, 12, 11, 14, 5, 33};
};

TEST_F(JournalFolderTest, AJournalIsANewFileNamedByItsTimeAndOperationInAFolderMadeForIt) {
    std::u16string name = Add(u"Apply", "journal");
    EXPECT_EQ(name, Undo + u"\\2026-12-11 14-05-33 Apply.reg");
    EXPECT_EQ(files.Content(name), "journal");
    now = {2027, 1, 2, 3, 4, 5};
    EXPECT_EQ(Add(u"Remove", "x"), Undo + u"\\2027-01-02 03-04-05 Remove.reg");
}

TEST_F(JournalFolderTest, JournalsOfOneSecondAreNumberedAndNoneIsReplaced) {
    Add(u"Apply", "first");
    EXPECT_EQ(Add(u"Apply", "second"), Undo + u"\\2026-12-11 14-05-33 Apply (2).reg");
    EXPECT_EQ(Add(u"apply", "third"), Undo + u"\\2026-12-11 14-05-33 apply (3).reg");
    EXPECT_EQ(Add(u"Remove", "other"), Undo + u"\\2026-12-11 14-05-33 Remove.reg");
    EXPECT_EQ(files.Content(Undo + u"\\2026-12-11 14-05-33 Apply.reg"), "first");
    EXPECT_EQ(files.Content(Undo + u"\\2026-12-11 14-05-33 Apply (2).reg"), "second");
}

// Within one second the numbers count, not their text: (10) is newer than (2).
TEST_F(JournalFolderTest, TheNewestHundredAreKeptAndFilesOfOtherNamesAreLeftAlone) {
    AddOlder(1, " (10)");
    AddOlder(1, " (2)");
    AddOlder(1);
    for (int day = 2; day < 99; ++day)
        AddOlder(day);
    files.AddFile(Undo + u"\\notes.txt", "mine");
    files.AddFile(Undo + u"\\undo.reg", "mine");
    ASSERT_EQ(files.FilesIn(Undo).size(), 102u);

    Add(u"Apply", "new");
    EXPECT_FALSE(Has("2026-01-01 00-00-00 Apply.reg"));
    EXPECT_TRUE(Has("2026-01-01 00-00-00 Apply (2).reg"));
    EXPECT_EQ(files.FilesIn(Undo).size(), 102u);

    Add(u"Apply", "newer");
    EXPECT_FALSE(Has("2026-01-01 00-00-00 Apply (2).reg"));
    EXPECT_TRUE(Has("2026-01-01 00-00-00 Apply (10).reg"));
    EXPECT_TRUE(Has("notes.txt"));
    EXPECT_TRUE(Has("undo.reg"));
    EXPECT_TRUE(Has("2026-12-11 14-05-33 Apply (2).reg"));
}

// A clock put back makes the new journal look oldest; it is kept all the same.
TEST_F(JournalFolderTest, TheJournalJustWrittenIsKeptWhateverItsTime) {
    for (int number = 2; number <= 101; ++number)
        AddOlder(1, (" (" + std::to_string(number) + ")").c_str());
    now = {2020, 1, 1, 0, 0, 0};
    std::u16string name = Add(u"Apply", "new");
    EXPECT_TRUE(files.Content(name).has_value());
    EXPECT_EQ(files.FilesIn(Undo).size(), 100u);
}

struct Refusal {
    const char* what;
    std::u16string localApplicationData;
    std::u16string refusedUnder;
    std::string message;
};

void PrintTo(const Refusal& refusal, std::ostream* os) {
    *os << refusal.what;
}

class JournalRefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(JournalRefusalTest, RaisesCannotCreateFileBeforeAnyWrite) {
    FakePlatform platform;
    platform.folders.localApplicationData = GetParam().localApplicationData;
    if (!GetParam().refusedUnder.empty())
        platform.unicodeFiles.RefuseCreatingUnder(GetParam().refusedUnder);
    RegistrySnapshot before = platform.registry.Snapshot();
    auto writes = [](RegistryStore& store) {
        store.OpenKey(RootKey::CurrentUser, "Software\\App", true)
            ->Set("Value", RegistryValue::String("x"));
    };
    try {
        UndoJournal(platform.Services()).SaveBefore("Apply", writes);
        FAIL() << "no error";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), GetParam().message);
    }
    EXPECT_EQ(platform.registry.Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, JournalRefusalTest,
    testing::Values(
        Refusal{"UndoFolderCannotBeMade", u"C:\\Users\\Ola\\AppData\\Local",
                u"C:\\Users\\Ola\\AppData\\Local\\Sorvanto",
                "Cannot create file C:\\Users\\Ola\\AppData\\Local\\Sorvanto\\Undo\\"
                "2026-12-11 14-05-33 Apply.reg"},
        Refusal{"FileCannotBeWritten", u"C:\\Users\\Ola\\AppData\\Local",
                u"C:\\Users\\Ola\\AppData\\Local\\Sorvanto\\Undo\\2026-12-11 14-05-33 Apply.reg",
                "Cannot create file C:\\Users\\Ola\\AppData\\Local\\Sorvanto\\Undo\\"
                "2026-12-11 14-05-33 Apply.reg"},
        Refusal{"NoLocalApplicationData", u"", u"",
                "Cannot create file 2026-12-11 14-05-33 Apply.reg"},
        Refusal{"NameShownInWindows1250", u"D:\\\u0414\u0438\u043c\u0430",
                u"D:\\\u0414\u0438\u043c\u0430",
                "Cannot create file D:\\????\\Sorvanto\\Undo\\2026-12-11 14-05-33 Apply.reg"}),
    [](const auto& info) { return std::string(info.param.what); });

// A user name in a script that Windows-1250 cannot hold: the journal goes where Windows says.
TEST(UndoJournal, IsKeptInTheFolderWindowsNamesWhateverItsScript) {
    FakePlatform platform;
    platform.folders.localApplicationData =
        u"C:\\Users\\\u0414\u043c\u0438\u0442\u0440\u0438\u0439\\AppData\\Local";
    std::u16string name =
        UndoJournal(platform.Services()).SaveBefore("Apply", [](RegistryStore&) {});
    EXPECT_EQ(name, platform.folders.localApplicationData +
                        u"\\Sorvanto\\Undo\\2026-12-11 14-05-33 Apply.reg");
    EXPECT_TRUE(platform.unicodeFiles.Content(name).has_value());
}

} // namespace
