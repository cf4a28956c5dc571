// A write that the registry refuses ends Apply at that row: what came before stays written,
// nothing after it runs, the marks stay for another try, and the error box says which value.
#include "tests/settings/settings_fixture.h"

namespace {

using namespace paths;

class ApplyFailureTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        // The keys are there (Apply needs not create them); writing under the desktop key is
        // refused.
        Put(HKCU, Desktop, "FontSmoothing", Sz("0"));
        ApplyNow();
        platform.shell.notifications.clear();
        platform.registry.RefuseWritesUnder(HKCU, Desktop);
        Click("BoxNoRun");         // written before the refused row
        Click("FontSmoothingBox"); // refused
        Click("ShellIconSizeBox"); // under the refused key too, after it
        Type("RegisteredOwnerEdit", "Jan");
        before = platform.registry.Snapshot();
    }

    RegistrySnapshot before;
};

TEST_F(ApplyFailureTest, WhatCameBeforeStaysAndNothingAfterIsWritten) {
    Apply();
    ExpectChangesSince(before, {ValueLine(HKCU, PoliciesExplorer, "NoRun", Dword(1))});
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, "Failed to set data for 'FontSmoothing'");
    EXPECT_EQ(platform.messageBoxes.shown[0].caption, app->Title());
}

TEST_F(ApplyFailureTest, TheMarksStayAndNeitherNotificationsNorReadFollow) {
    Apply();
    for (const char* control :
         {"BoxNoRun", "FontSmoothingBox", "ShellIconSizeBox", "RegisteredOwnerEdit"})
        EXPECT_TRUE(Marked(control)) << control;
    // Three clicks and three typed characters.
    EXPECT_EQ(Count(), 6);
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_TRUE(platform.shell.notifications.empty());
    EXPECT_EQ(Edit("RegisteredOwnerEdit").Text(), "Jan");
}

// Once the key is gone it can be neither opened nor created: its rows are skipped without a
// word, and the rest of Apply goes on.
TEST_F(ApplyFailureTest, AKeyThatCannotBeCreatedSkipsItsRowsSilently) {
    platform.registry.DeleteKey(HKCU, Desktop);
    before = platform.registry.Snapshot();
    Apply();
    EXPECT_TRUE(platform.messageBoxes.shown.empty());
    ExpectChangesSince(before, {ValueLine(HKCU, PoliciesExplorer, "NoRun", Dword(1)),
                                ValueLine(HKLM, CurrentVersion, "RegisteredOwner", Sz("Jan"))});
    EXPECT_EQ(platform.shell.notifications.size(), 2u);
    EXPECT_EQ(Count(), 0);
}

using CloseApplyTest = SettingsTest;

TEST_F(CloseApplyTest, YesAtTheCloseQuestionAppliesTheChanges) {
    Click("BoxNoRun");
    platform.messageBoxes.answers = {mb::IdYes};
    form->Close();
    EXPECT_TRUE(app->Terminated());
    EXPECT_EQ(platform.registry.Get(HKCU, PoliciesExplorer, "NoRun"), Dword(1));
    EXPECT_EQ(platform.shell.notifications.size(), 2u);
}

TEST_F(CloseApplyTest, ARefusedWriteKeepsTheWindowOpenWithItsChanges) {
    Put(HKCU, PoliciesExplorer, "NoClose", Dword(1));
    platform.registry.RefuseWritesUnder(HKCU, PoliciesExplorer);
    Click("BoxNoRun");
    platform.messageBoxes.answers = {mb::IdYes};
    try {
        form->Close();
    } catch (const std::exception& e) {
        app->HandleException(e);
    }
    EXPECT_FALSE(app->Terminated());
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(Marked("BoxNoRun"));
    EXPECT_EQ(Count(), 1);
    ASSERT_EQ(platform.messageBoxes.shown.size(), 2u);
    EXPECT_EQ(platform.messageBoxes.shown[1].text, "Failed to set data for 'NoRun'");
}

} // namespace
