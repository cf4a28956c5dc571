// Apply writes each marked slot's location to its registry places, and nothing for the
// unmarked ones.
#include "tests/icons/icons_fixture.h"
#include "tests/settings/case_names.h"

#include <algorithm>
#include <vector>

namespace {

using namespace places;

struct Seed {
    RootKey root;
    std::string path;
    std::string name;
    RegistryValue value;
};

struct WriteCase {
    const char* title;
    std::vector<Seed> seeds;
    int slot;
    std::vector<std::string> changes;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.title;
}

const std::string Explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\explorer";

// The keys the first icon writes create: Shell Icons, and the DefaultIcon key of a class.
std::vector<std::string> NewKeys(const std::vector<std::string>& classKeys, bool shellIcons) {
    std::vector<std::string> lines;
    for (const std::string& classKey : classKeys)
        lines.push_back("+" + KeyLine(HKCR, classKey + "\\DefaultIcon"));
    if (shellIcons)
        for (const std::string* key : {&Explorer, &ShellIconsTable})
            lines.push_back("+" + KeyLine(HKLM, *key));
    return lines;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const WriteCase Cases[] = {
    {"My Computer, its per-user icon removed",
     {{HKCU, PerUser(MyComputer) + "\\DefaultIcon", "", Sz("C:\\old.ico,0")}},
     0,
     Join(NewKeys({MyComputer}, true),
          {ValueLine(HKCR, MyComputer + "\\DefaultIcon", "", Sz("shell32.dll,15")),
           ValueLine(HKLM, ShellIconsTable, "15", Sz("shell32.dll,15")),
           "-" + KeyLine(HKCU, PerUser(MyComputer) + "\\DefaultIcon"),
           ValueLine(HKCU, PerUser(MyComputer) + "\\DefaultIcon", "", std::nullopt)})},
    {"My Computer without a per-user key",
     {},
     0,
     Join(NewKeys({MyComputer}, true),
          {ValueLine(HKCR, MyComputer + "\\DefaultIcon", "", Sz("shell32.dll,15")),
           ValueLine(HKLM, ShellIconsTable, "15", Sz("shell32.dll,15"))})},
    {"My Documents writes its class icon only",
     {},
     1,
     Join(NewKeys({MyDocuments}, false),
          {ValueLine(HKCR, MyDocuments + "\\DefaultIcon", "", Sz("mydocs.dll,0"))})},
    {"full recycle bin, both per-user icons removed",
     {{HKCU, PerUser(RecycleBin) + "\\DefaultIcon", "full", Sz("C:\\f.ico,0")},
      {HKCU, PerUser(RecycleBin) + "\\DefaultIcon", "empty", Sz("C:\\e.ico,0")}},
     3,
     Join(NewKeys({RecycleBin}, true),
          {ValueLine(HKCR, RecycleBin + "\\DefaultIcon", "full", Sz("shell32.dll,32")),
           ValueLine(HKLM, ShellIconsTable, "32", Sz("shell32.dll,32")),
           "-" + KeyLine(HKCU, PerUser(RecycleBin) + "\\DefaultIcon"),
           ValueLine(HKCU, PerUser(RecycleBin) + "\\DefaultIcon", "full", std::nullopt),
           ValueLine(HKCU, PerUser(RecycleBin) + "\\DefaultIcon", "empty", std::nullopt)})},
    {"RAM drive writes its Shell Icons value only",
     {},
     20,
     Join(NewKeys({}, true), {ValueLine(HKLM, ShellIconsTable, "12", Sz("shell32.dll,12"))})},
};

class WriteSlotIconTest : public IconsTest, public ::testing::WithParamInterface<WriteCase> {
protected:
    void Prepare() override { platform.icons.AddIconFile("mydocs.dll", 1); }
};

// The slot already shows its default; Default marks it all the same, and Apply writes it.
TEST_P(WriteSlotIconTest, WritesTheMarkedSlotsPlaces) {
    const WriteCase& c = GetParam();
    for (const Seed& s : c.seeds)
        Put(s.root, s.path, s.name, s.value);
    // The keys of the settings exist from now on.
    ApplyNow();
    auto before = platform.registry.Snapshot();
    RestoreDefault(c.slot);
    Apply();
    ExpectChangesSince(before, c.changes);
    EXPECT_FALSE(SlotMarked(c.slot));
    EXPECT_EQ(ErrorCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Slots, WriteSlotIconTest, ::testing::ValuesIn(Cases), TitleName());

using WriteIconsTest = IconsTest;

TEST_F(WriteIconsTest, UnmarkedSlotsWriteNothing) {
    ApplyNow();
    RestoreDefault(9);
    Read();
    auto before = platform.registry.Snapshot();
    Click("BoxNoRun");
    Apply();
    ExpectChangesSince(before, {ValueLine(HKCU, paths::PoliciesExplorer, "NoRun", Dword(1))});
}

// While a per-user DefaultIcon key exists, Windows sends writes through HKEY_CLASSES_ROOT
// into it: it must be gone before the class icon is written.
TEST_F(WriteIconsTest, ThePerUserIconGoesBeforeTheClassIconIsWritten) {
    Put(HKCU, PerUser(RecycleBin) + "\\DefaultIcon", "empty", Sz("C:\\e.ico,0"));
    RestoreDefault(4);
    recording.log.clear();
    Apply();
    const std::vector<std::string>& log = recording.log;
    auto at = [&](const std::string& line) {
        return std::find(log.begin(), log.end(), line) - log.begin();
    };
    auto deleted = at("delete key " + KeyLine(HKCU, PerUser(RecycleBin) + "\\DefaultIcon"));
    auto written = at("create " + KeyLine(HKCR, RecycleBin + "\\DefaultIcon"));
    ASSERT_LT(deleted, static_cast<long>(log.size()));
    ASSERT_LT(written, static_cast<long>(log.size()));
    EXPECT_LT(deleted, written);
    EXPECT_EQ(log.at(written + 1), "set empty");
}

TEST_F(WriteIconsTest, AKeyThatCannotBeCreatedSkipsThatWriteSilently) {
    platform.registry.RefuseWritesUnder(HKLM, places::ShellIconsTable);
    RestoreDefault(0);
    Apply();
    EXPECT_EQ(ErrorCount(), 0);
    EXPECT_EQ(platform.registry.Get(HKCR, MyComputer + "\\DefaultIcon", ""), Sz("shell32.dll,15"));
    EXPECT_FALSE(platform.registry.KeyExists(HKLM, places::ShellIconsTable));
}

TEST_F(WriteIconsTest, ARefusedIconWriteStopsApplyWithItsError) {
    Put(HKLM, places::ShellIconsTable, "99", Sz("kept"));
    RestoreDefault(9);
    platform.registry.RefuseWritesUnder(HKLM, places::ShellIconsTable);
    Apply();
    ASSERT_EQ(ErrorCount(), 1);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, "Failed to set data for '3'");
    EXPECT_TRUE(SlotMarked(9));
    EXPECT_TRUE(platform.shell.notifications.empty());
}

} // namespace
