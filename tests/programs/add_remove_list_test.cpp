// The list of installed programs: which entries it shows, in what order, and the key of
// each beside it.
#include "platform/registry.h"
#include "tests/programs/programs_fixture.h"

#include <map>

namespace {

using AddRemoveListTest = ProgramsTest;

std::vector<std::u16string> KeyNames(const std::vector<UninstallEntry>& entries) {
    std::vector<std::u16string> names;
    for (const UninstallEntry& entry : entries)
        names.push_back(entry.keyName);
    return names;
}

TEST_F(AddRemoveListTest, DisplayNamesAreSortedAndEachKeyStandsAtItsNamesPosition) {
    const std::map<std::string, std::string> keyOf = {
        {"gamma", "g"}, {"Alfa", "a"}, {"beta", "b1"}, {"Beta", "b2"}};
    // The registry's order is not the list's. "Beta" equals "beta" in the list's order, so
    // either may come first; its key must follow it.
    for (const char* name : {"gamma", "Alfa", "beta", "Beta"})
        PutProgram(Machine64, Cp1250ToUtf16(keyOf.at(name)), name, u"");
    OpenWindow();

    std::vector<std::string> items = Items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], "Alfa");
    EXPECT_EQ(items[3], "gamma");
    const std::vector<std::string>& keys = Programs().AddRemoveKeys.Lines();
    ASSERT_EQ(keys.size(), items.size());
    ASSERT_EQ(Programs().AddRemoveEntries.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(keys[i], keyOf.at(items[i])) << i;
        EXPECT_EQ(Programs().AddRemoveEntries[i].keyName, Cp1250ToUtf16(keyOf.at(items[i]))) << i;
    }
}

TEST_F(AddRemoveListTest, OnlyAPlainStringIsADisplayNameAndAnEmptyOneIsListed) {
    PutEntry(Machine64, u"expand", ExactValue::Text(RegistryTypeCode::kExpandString, u"E"));
    PutEntry(Machine64, u"dword", Typed(RegistryTypeCode::kDWord, std::string("\1\0\0\0", 4)));
    PutEntry(Machine64, u"binary", Typed(RegistryTypeCode::kBinary, "B"));
    PutEntry(Machine64, u"multi", ExactValue::Text(RegistryTypeCode::kMultiString, u"M"));
    PutEntry(Machine64, u"none", std::nullopt, Sz(u"uninstall.exe"));
    PutEntry(Machine64, u"empty", Sz(u""));
    PutEntry(Machine64, u"plain", Sz(u"Plain"));
    OpenWindow();

    EXPECT_EQ(Items(), (std::vector<std::string>{"", "Plain"}));
    EXPECT_EQ(Programs().AddRemoveKeys.Lines(), (std::vector<std::string>{"empty", "plain"}));
}

TEST_F(AddRemoveListTest, TheThreePlacesAreMergedAndEachEntryKnowsItsPlace) {
    // One key name in every place: three registrations, not one.
    PutProgram(Machine64, u"Shared", "Shared (64)", u"64");
    PutProgram(Machine32, u"Shared", "Shared (32)", u"32");
    PutProgram(User, u"Shared", "Shared (user)", u"user");
    PutProgram(Machine32, u"Old", "An old 32-bit program", u"old");
    OpenWindow();

    EXPECT_EQ(Items(), (std::vector<std::string>{"An old 32-bit program", "Shared (32)",
                                                 "Shared (64)", "Shared (user)"}));
    const std::vector<UninstallEntry>& entries = Programs().AddRemoveEntries;
    EXPECT_EQ(KeyNames(entries),
              (std::vector<std::u16string>{u"Old", u"Shared", u"Shared", u"Shared"}));
    const UninstallPlace expected[] = {Machine32, Machine32, Machine64, User};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(entries[i].place.root, expected[i].root) << i;
        EXPECT_EQ(entries[i].place.view, expected[i].view) << i;
    }
    // Each item starts its own uninstaller.
    for (int i = 0; i < 4; ++i) {
        Select(i);
        Uninstall();
    }
    EXPECT_EQ(Started(), (std::vector<std::u16string>{u"old", u"32", u"64", u"user"}));
}

TEST_F(AddRemoveListTest, WithoutEntriesTheListIsEmptyAndTheButtonsDoNothing) {
    OpenWindow();
    EXPECT_TRUE(Items().empty());
    // An uninstall key without entries in one place, none at all in the others.
    platform.registry.OpenKeyExact(RootKey::LocalMachine, RegistryView::Bits64, UninstallKeyPath,
                                   true);
    RegistrySnapshot before = platform.registry.Snapshot();
    Read();
    Uninstall();
    Remove({mb::IdYes});

    EXPECT_TRUE(Items().empty());
    EXPECT_TRUE(Programs().AddRemoveKeys.Lines().empty());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(Started().empty());
    EXPECT_EQ(platform.registry.Snapshot(), before);
}

TEST_F(AddRemoveListTest, ReadRebuildsTheListAndClearsTheSelection) {
    PutProgram(Machine64, u"first", "First", u"1");
    PutProgram(User, u"gone", "Gone", u"2");
    OpenWindow();
    Select(1);
    DeleteEntry(User, u"gone");
    PutProgram(Machine32, u"new", "New", u"3");

    Read();

    EXPECT_EQ(Items(), (std::vector<std::string>{"First", "New"}));
    EXPECT_EQ(Programs().AddRemoveKeys.Lines(), (std::vector<std::string>{"first", "new"}));
    EXPECT_EQ(List().ItemIndex(), -1);
}

TEST_F(AddRemoveListTest, TheCallersAccessorIsLeftOnTheMachineRootWithNoKeyOpen) {
    PutProgram(User, u"user", "User's", u"u");
    OpenWindow();
    TRegistry registry(platform.registry);
    registry.SetView(RegistryView::Bits32);
    ASSERT_TRUE(registry.OpenKey("Software", false));

    Programs().ReadAddRemove(registry);

    EXPECT_EQ(registry.RootKey(), RootKey::LocalMachine);
    EXPECT_EQ(registry.View(), RegistryView::Bits64);
    EXPECT_FALSE(registry.HasCurrentKey());
    EXPECT_EQ(Items(), (std::vector<std::string>{"User's"}));
}

} // namespace
