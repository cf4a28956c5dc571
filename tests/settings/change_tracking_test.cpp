// The change marks between two Reads, the change count behind the apply button, and the
// master boxes that enable, disable or show the controls that depend on them.
#include "tests/settings/settings_fixture.h"

namespace {

using namespace paths;

using ChangeTrackingTest = SettingsTest;

TEST_F(ChangeTrackingTest, TickingMarksAndUntickingAgainUnmarks) {
    Click("BoxNoRun");
    EXPECT_TRUE(Marked("BoxNoRun"));
    EXPECT_EQ(Count(), 1);
    EXPECT_TRUE(ApplyEnabled());
    Click("BoxNoRun");
    EXPECT_FALSE(Marked("BoxNoRun"));
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(ChangeTrackingTest, TypingAndDeletingLeavesThePanelMarkedWithTwoChanges) {
    Type("MyComputerEdit", "a");
    Type("MyComputerEdit", "\b");
    EXPECT_EQ(Edit("MyComputerEdit").Text(), "");
    EXPECT_TRUE(Marked("MyComputerEdit"));
    EXPECT_EQ(Count(), 2);
    EXPECT_TRUE(ApplyEnabled());
    // The edit and its label take the panel's colour.
    EXPECT_EQ(Edit("MyComputerEdit").Font().Color(), clBlue);
}

TEST_F(ChangeTrackingTest, AnEditChangeKeepsTheCountAboveZeroWhateverTheBoxesDo) {
    Click("BoxNoRun");
    Type("RegisteredOwnerEdit", "J");
    Click("BoxNoRun");
    EXPECT_EQ(Count(), 1);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(ChangeTrackingTest, TextSetByCodeMarksNothing) {
    Edit("MyComputerEdit").SetText("from code");
    EXPECT_FALSE(Marked("MyComputerEdit"));
    EXPECT_EQ(Count(), 0);
}

TEST_F(ChangeTrackingTest, AMasterDisablesItsDependentsWithoutTouchingThem) {
    Click("NoDispScrSavPageBox");
    Click("NoDispCPLBox");
    for (const char* dependent : {"NoDispBackgroundPageBox", "NoDispScrSavPageBox",
                                  "NoDispAppearancePageBox", "NoDispSettingsPageBox"})
        EXPECT_FALSE(Box(dependent).Enabled()) << dependent;
    EXPECT_TRUE(Box("NoDispScrSavPageBox").Checked());
    EXPECT_TRUE(Marked("NoDispScrSavPageBox"));
    EXPECT_FALSE(Box("NoDispBackgroundPageBox").Checked());
    EXPECT_FALSE(Marked("NoDispBackgroundPageBox"));
    EXPECT_TRUE(Marked("NoDispCPLBox"));
    EXPECT_EQ(Count(), 2);
    // The other masters' rows are left as they were.
    EXPECT_TRUE(Box("NoPwdPageBox").Enabled());
    EXPECT_TRUE(Box("NoNetSetupIDPageBox").Enabled());

    Click("NoDispCPLBox");
    for (const char* dependent : {"NoDispBackgroundPageBox", "NoDispScrSavPageBox",
                                  "NoDispAppearancePageBox", "NoDispSettingsPageBox"})
        EXPECT_TRUE(Box(dependent).Enabled()) << dependent;
    EXPECT_EQ(Count(), 1);
}

TEST_F(ChangeTrackingTest, MastersReadAsTickedDisableTheirDependentsWithoutMarks) {
    Put(HKCU, System, "NoSecCPL", Dword(1));
    Put(HKCU, Network, "NoNetSetup", Dword(1));
    Read();
    for (const char* dependent :
         {"NoPwdPageBox", "NoAdminPageBox", "NoProfilePageBox", "NoNetSetupIDPageBox",
          "NoNetSetupSecurityPageBox", "NoFileSharingControlBox", "NoPrintSharingControlBox"})
        EXPECT_FALSE(Box(dependent).Enabled()) << dependent;
    EXPECT_TRUE(Box("NoDispBackgroundPageBox").Enabled());
    EXPECT_FALSE(Marked("NoSecCPLBox"));
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(ApplyEnabled());

    Remove(HKCU, System, "NoSecCPL");
    Read();
    EXPECT_TRUE(Box("NoPwdPageBox").Enabled());
}

TEST_F(ChangeTrackingTest, ThePasswordBoxShowsThePasswordEdit) {
    EXPECT_FALSE(Get<TControl>("PasswordEdit").Visible());
    Click("PasswordBox");
    EXPECT_TRUE(Get<TControl>("PasswordEdit").Visible());
    EXPECT_TRUE(Marked("PasswordBox"));
    EXPECT_EQ(Count(), 1);
    Click("PasswordBox");
    EXPECT_FALSE(Get<TControl>("PasswordEdit").Visible());
    EXPECT_EQ(Count(), 0);
}

TEST_F(ChangeTrackingTest, ReadClearsEveryMarkAndTheCount) {
    Click("BoxNoRun");
    Click("NoNetSetupBox");
    Click("NoPrinterTabsBox");
    Type("EditMenuShowDelay", "7");
    Type("TasksEdit", "z");
    Read();
    for (const char* control :
         {"BoxNoRun", "NoNetSetupBox", "NoPrinterTabsBox", "EditMenuShowDelay", "TasksEdit"})
        EXPECT_FALSE(Marked(control)) << control;
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(ApplyEnabled());
}

} // namespace
