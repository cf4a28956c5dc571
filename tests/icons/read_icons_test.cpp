// Read gives each slot the location of its first configured registry place, or its default,
// and the picture that location names.
#include "tests/icons/icons_fixture.h"
#include "tests/settings/case_names.h"

#include <vector>

namespace {

using namespace places;

struct Seed {
    RootKey root;
    std::string path;
    std::string name;
    RegistryValue value;
};

struct ReadCase {
    const char* title;
    std::vector<Seed> seeds;
    int slot;
    std::string location;
    std::string picture;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.title;
}

const std::string UserIcon = "C:\\icons\\user.ico";
const std::string ClassIcon = "C:\\icons\\class.ico";
const std::string MachineIcon = "C:\\icons\\machine.ico";
const std::string Library = "C:\\icons\\library.dll";

Seed PerUserIcon(const std::string& classKey, const std::string& name, const RegistryValue& v) {
    return {HKCU, PerUser(classKey) + "\\DefaultIcon", name, v};
}
Seed ClassIconOf(const std::string& classKey, const std::string& name, const RegistryValue& v) {
    return {HKCR, classKey + "\\DefaultIcon", name, v};
}
Seed ShellIconsValue(const std::string& name, const RegistryValue& v) {
    return {HKLM, ShellIconsTable, name, v};
}

const ReadCase Cases[] = {
    {"nothing configured", {}, 0, "shell32.dll,15", "shell32.dll,15"},
    {"per-user icon first",
     {PerUserIcon(MyComputer, "", Sz(UserIcon + ",0")),
      ClassIconOf(MyComputer, "", Sz(ClassIcon + ",0")),
      ShellIconsValue("15", Sz(MachineIcon + ",0"))},
     0,
     UserIcon + ",0",
     UserIcon + ",0"},
    {"class icon before Shell Icons",
     {ClassIconOf(Network, "", Sz(ClassIcon + ",0")),
      ShellIconsValue("17", Sz(MachineIcon + ",0"))},
     2,
     ClassIcon + ",0",
     ClassIcon + ",0"},
    {"Shell Icons alone",
     {ShellIconsValue("17", Sz(MachineIcon + ",0"))},
     2,
     MachineIcon + ",0",
     MachineIcon + ",0"},
    {"an expandable class icon counts as none",
     {ClassIconOf(Network, "", RegistryValue::ExpandString(ClassIcon + ",0")),
      ShellIconsValue("17", Sz(MachineIcon + ",0"))},
     2,
     MachineIcon + ",0",
     MachineIcon + ",0"},
    {"a number as per-user icon counts as none",
     {PerUserIcon(MyComputer, "", Dword(1)), ClassIconOf(MyComputer, "", Sz(ClassIcon + ",0"))},
     0,
     ClassIcon + ",0",
     ClassIcon + ",0"},
    {"full recycle bin",
     {ClassIconOf(RecycleBin, "full", Sz(Library + ",1")),
      ClassIconOf(RecycleBin, "empty", Sz(Library + ",2"))},
     3,
     Library + ",1",
     Library + ",1"},
    {"empty recycle bin",
     {ClassIconOf(RecycleBin, "full", Sz(Library + ",1")),
      ClassIconOf(RecycleBin, "empty", Sz(Library + ",2"))},
     4,
     Library + ",2",
     Library + ",2"},
    {"the recycle bin's default value is not its icon",
     {ClassIconOf(RecycleBin, "", Sz(Library + ",1"))},
     3,
     "shell32.dll,32",
     "shell32.dll,32"},
    {"Shell Icons 20 is Start Documents",
     {ShellIconsValue("20", Sz(MachineIcon + ",0"))},
     23,
     MachineIcon + ",0",
     MachineIcon + ",0"},
    {"My Documents never reads Shell Icons",
     {ShellIconsValue("20", Sz(MachineIcon + ",0")), ShellIconsValue("0", Sz(MachineIcon + ",0"))},
     1,
     "mydocs.dll,0",
     "application"},
    {"My Documents from its class",
     {ClassIconOf(MyDocuments, "", Sz(Library + ",4"))},
     1,
     Library + ",4",
     Library + ",4"},
    {"a file that does not exist",
     {ShellIconsValue("3", Sz("C:\\nowhere.ico,0"))},
     9,
     "shell32.dll,3",
     "shell32.dll,3"},
    {"a bare name not in the current directory",
     {ShellIconsValue("3", Sz("library.dll,1"))},
     9,
     "shell32.dll,3",
     "shell32.dll,3"},
    {"a comma in the folder name cuts the file name",
     {ShellIconsValue("3", Sz("C:\\icons,old\\library.dll,1"))},
     9,
     "shell32.dll,3",
     "shell32.dll,3"},
    {"a space before the index",
     {ShellIconsValue("4", Sz(Library + ", 5"))},
     10,
     Library + ", 5",
     Library + ",5"},
    {"a hexadecimal index",
     {ShellIconsValue("4", Sz(Library + ",$A"))},
     10,
     Library + ",$A",
     Library + ",10"},
    {"an index past the file's icons keeps the picture",
     {ShellIconsValue("4", Sz(Library + ",99"))},
     10,
     Library + ",99",
     "shell32.dll,4"},
};

class ReadSlotIconTest : public IconsTest, public ::testing::WithParamInterface<ReadCase> {
protected:
    void Prepare() override {
        for (const std::string& file : {UserIcon, ClassIcon, MachineIcon})
            AddIconFile(file, 1);
        AddIconFile(Library, 60);
    }
};

// The window was read once with nothing configured; the case's places then take effect at
// the next Read.
TEST_P(ReadSlotIconTest, TakesTheFirstConfiguredPlace) {
    const ReadCase& c = GetParam();
    for (const Seed& s : c.seeds)
        Put(s.root, s.path, s.name, s.value);
    Read();
    EXPECT_EQ(Location(c.slot), c.location);
    EXPECT_EQ(Picture(c.slot), c.picture);
    EXPECT_EQ(ErrorCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Places, ReadSlotIconTest, ::testing::ValuesIn(Cases), TitleName());

class ReadIconsTest : public IconsTest {
protected:
    void Prepare() override { AddIconFile(Library, 60); }
};

TEST_F(ReadIconsTest, WithNothingConfiguredEverySlotHasItsDefault) {
    const std::vector<int> shellIconIndex = {15, -1, 17, 32, 31, 35, 37, 33, 34, 3,  4,  36, 6,
                                             5,  8,  7,  9,  10, 11, 40, 12, 19, 43, 20, 21, 22,
                                             23, 24, 44, 27, 25, 0,  1,  2,  13, 18, 16, 28, 29};
    for (int slot = 0; slot < 39; ++slot) {
        if (slot == 1)
            continue;
        std::string expected = "shell32.dll," + std::to_string(shellIconIndex[slot]);
        EXPECT_EQ(Location(slot), expected) << slot;
        EXPECT_EQ(Picture(slot), expected) << slot;
    }
    EXPECT_EQ(Location(1), "mydocs.dll,0");
    EXPECT_EQ(Picture(1), "application");
    EXPECT_EQ(Location(39), "");
}

TEST_F(ReadIconsTest, ALocationWithoutACommaLeavesTheSlotAsItWas) {
    Put(HKLM, places::ShellIconsTable, "3", Sz(Library + ",7"));
    Read();
    Put(HKLM, places::ShellIconsTable, "3", Sz(Library));
    Read();
    EXPECT_EQ(Location(9), Library + ",7");
    EXPECT_EQ(Picture(9), Library + ",7");
    Put(HKLM, places::ShellIconsTable, "3", Sz(""));
    Read();
    EXPECT_EQ(Location(9), Library + ",7");
}

// Slot 9 fails: the slots before it are loaded, it keeps its new location but not a new
// picture, and the ones after it stay as the previous Read left them.
TEST_F(ReadIconsTest, AnIndexThatIsNotANumberStopsTheReadAtThatSlot) {
    for (const char* bad : {"x", "5 "}) {
        SCOPED_TRACE(bad);
        Put(HKLM, places::ShellIconsTable, "15", Sz(Library + ",1"));
        Put(HKLM, places::ShellIconsTable, "3", Sz(Library + "," + bad));
        Put(HKLM, places::ShellIconsTable, "4", Sz(Library + ",2"));
        platform.messageBoxes.shown.clear();
        Read();
        ASSERT_EQ(ErrorCount(), 1);
        EXPECT_EQ(platform.messageBoxes.shown[0].text,
                  "'" + std::string(bad) + "' is not a valid integer value.");
        EXPECT_EQ(Location(0), Library + ",1");
        EXPECT_EQ(Picture(0), Library + ",1");
        EXPECT_EQ(Location(9), Library + "," + bad);
        EXPECT_EQ(Picture(9), "shell32.dll,3");
        EXPECT_EQ(Location(10), "shell32.dll,4");
        EXPECT_EQ(Picture(10), "shell32.dll,4");
        // The settings were read before the icons.
        EXPECT_EQ(Count(), 0);
    }
}

class FirstReadTest : public IconsTest {
protected:
    void Prepare() override {
        AddIconFile(Library, 60);
        platform.registry.Put(HKLM, places::ShellIconsTable, "3", Sz(Library));
        platform.registry.Put(HKLM, places::ShellIconsTable, "4", Sz(Library + ",z"));
    }
};

// At creation the slots hold the placeholders and no location; a failing slot also keeps
// the list from getting its column width.
TEST_F(FirstReadTest, KeepsThePlaceholdersOfSlotsItDidNotLoad) {
    EXPECT_EQ(Location(9), "");
    EXPECT_EQ(Picture(9), "application");
    EXPECT_EQ(Location(10), Library + ",z");
    EXPECT_EQ(Picture(10), "application");
    EXPECT_EQ(Location(11), "");
    EXPECT_EQ(Picture(38), "application");
    EXPECT_EQ(Picture(8), "shell32.dll,34");
    ASSERT_EQ(ErrorCount(), 1);
    EXPECT_EQ(List().ColumnWidth(), 0);
}

} // namespace
