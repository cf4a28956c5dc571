// "&Usuń wpis": the question, the deletion of the selected entry's own key with everything
// below it, the report, and the rebuilt list.
#include "platform/exceptions.h"
#include "tests/programs/programs_fixture.h"

namespace {

const std::string Warning = "Uwaga!";
const std::string Question = "Czy na pewno chcesz usunąć ten wpis z rejestru ?";
const std::string Deleted = "Klucz został poprawnie usunięty z rejestru.";
const std::string Failed = "Nie udało się usunąć klucza z rejestru.";
const std::string QuestionBox = BoxLine(Warning, Question, 0x24);

using RemoveTest = ProgramsTest;

TEST_F(RemoveTest, NoLeavesTheRegistryTheListAndTheSelectionAlone) {
    PutProgram(Machine64, u"a", "A", u"a.exe");
    PutProgram(Machine64, u"b", "B", u"b.exe");
    OpenWindow();
    Select(1);
    RegistrySnapshot before = platform.registry.Snapshot();

    Remove({mb::IdNo});

    EXPECT_EQ(Boxes(), std::vector<std::string>{QuestionBox});
    EXPECT_EQ(platform.registry.Snapshot(), before);
    EXPECT_EQ(Items(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(List().ItemIndex(), 1);
}

TEST_F(RemoveTest, OfTwoEqualNamesTheSecondGoesAndTheFirstStays) {
    PutProgram(Machine64, u"first", "Same", u"1.exe");
    PutProgram(Machine64, u"second", "Same", u"2.exe");
    OpenWindow();
    ASSERT_EQ(Programs().AddRemoveKeys.Lines(), (std::vector<std::string>{"first", "second"}));
    Select(1);

    Remove({mb::IdYes});

    EXPECT_EQ(Boxes(), (std::vector<std::string>{QuestionBox, BoxLine(Warning, Deleted, 0x40)}));
    EXPECT_FALSE(EntryExists(Machine64, u"second"));
    EXPECT_TRUE(EntryExists(Machine64, u"first"));
    EXPECT_EQ(Items(), std::vector<std::string>{"Same"});
    EXPECT_EQ(Programs().AddRemoveKeys.Lines(), std::vector<std::string>{"first"});
    EXPECT_EQ(List().ItemIndex(), -1);
}

TEST_F(RemoveTest, TheKeyGoesWithEverythingBelowItAndNothingElse) {
    PutProgram(Machine64, u"Tool", "Tool", u"t.exe");
    PutProgram(Machine64, u"Tool2", "Tool 2", u"t2.exe");
    platform.registry.Put(RootKey::LocalMachine, UninstallPath + "\\Tool\\Parts\\Deep", "Size",
                          RegistryValue::DWord(7));
    OpenWindow();
    RegistrySnapshot before = platform.registry.Snapshot();
    Select(0);

    Remove({mb::IdYes});

    EXPECT_EQ(platform.registry.Snapshot(), Without(before, Machine64Keys + "\\Tool"));
    EXPECT_EQ(Items(), std::vector<std::string>{"Tool 2"});
}

TEST_F(RemoveTest, AnEntryDeletedSinceTheListWasBuiltFailsAndTheListIsRebuilt) {
    PutProgram(User, u"gone", "Gone", u"g.exe");
    PutProgram(User, u"kept", "Kept", u"k.exe");
    OpenWindow();
    Select(0);
    DeleteEntry(User, u"gone");

    Remove({mb::IdYes});

    EXPECT_EQ(Boxes(), (std::vector<std::string>{QuestionBox, BoxLine(Warning, Failed, 0x40)}));
    EXPECT_EQ(Items(), std::vector<std::string>{"Kept"});
    EXPECT_EQ(List().ItemIndex(), -1);
}

TEST_F(RemoveTest, TheEntryIsDeletedFromItsOwnPlace) {
    PutProgram(Machine64, u"Shared", "Shared (64)", u"64");
    PutProgram(Machine32, u"Shared", "Shared (32)", u"32");
    PutProgram(User, u"Shared", "Shared (user)", u"user");
    OpenWindow();
    RegistrySnapshot before = platform.registry.Snapshot();
    ASSERT_EQ(Items()[0], "Shared (32)");
    Select(0);

    Remove({mb::IdYes});

    EXPECT_EQ(platform.registry.Snapshot(), Without(before, Machine32Keys + "\\Shared"));
    EXPECT_EQ(Items(), (std::vector<std::string>{"Shared (64)", "Shared (user)"}));
}

// Both names read "????1" in Windows-1250: only the exact names tell the keys apart.
TEST_F(RemoveTest, KeyNamesOutsideTheCodePageAreUninstalledAndRemovedByTheirOwnName) {
    PutProgram(User, u"Пётр1", "Pyotr", u"p.exe");
    PutProgram(User, u"Иван1", "Ivan", u"i.exe");
    OpenWindow();
    ASSERT_EQ(Items(), (std::vector<std::string>{"Ivan", "Pyotr"}));
    Select(1);
    Uninstall();
    EXPECT_EQ(Started(), std::vector<std::u16string>{u"p.exe"});

    Remove({mb::IdYes});

    EXPECT_FALSE(EntryExists(User, u"Пётр1"));
    EXPECT_TRUE(EntryExists(User, u"Иван1"));
    EXPECT_EQ(Boxes(), (std::vector<std::string>{QuestionBox, BoxLine(Warning, Deleted, 0x40)}));
    EXPECT_EQ(Items(), std::vector<std::string>{"Ivan"});
}

TEST_F(RemoveTest, AJournalThatCannotBeWrittenLeavesTheKeyAndReportsNothingButTheError) {
    PutProgram(Machine64, u"Tool", "Tool", u"t.exe");
    OpenWindow();
    Select(0);
    platform.unicodeFiles.RefuseCreatingUnder(platform.folders.localApplicationData +
                                              u"\\Sorvanto\\Undo");
    RegistrySnapshot before = platform.registry.Snapshot();

    EXPECT_THROW(Remove({mb::IdYes}), EFCreateError);

    EXPECT_EQ(Boxes(), std::vector<std::string>{QuestionBox});
    EXPECT_EQ(platform.registry.Snapshot(), before);
    EXPECT_EQ(Items(), std::vector<std::string>{"Tool"});
}

} // namespace
