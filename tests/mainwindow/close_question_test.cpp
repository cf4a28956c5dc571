// Closing the window with unapplied changes asks whether to apply them first.
#include "settings/change_tracker.h"
#include "tests/support/main_window_fixture.h"

namespace {

class CloseQuestionTest : public MainWindowTest {
protected:
    void SetUp() override {
        OpenWindow();
        platform.messageBoxes.shown.clear();
        // A pending change of the kind every handler records.
        form->Changes().AddChanges(1);
        form->Changes().UpdateZastosujButton();
    }
    bool Closed() const { return app->Terminated(); }
};

TEST_F(CloseQuestionTest, WithoutChangesTheWindowClosesWithoutAQuestion) {
    form->Changes().SetChangeCount(0);
    Click("CloseButton");
    EXPECT_TRUE(platform.messageBoxes.shown.empty());
    EXPECT_TRUE(Closed());
}

TEST_F(CloseQuestionTest, TheQuestionUsesTheMessageTexts) {
    platform.messageBoxes.answers = {mb::IdCancel};
    form->Close();
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1u);
    const ShownBox& box = platform.messageBoxes.shown[0];
    EXPECT_EQ(box.text, Cp1250("Czy chcesz zapisać zmiany przed zamknięciem ?"));
    EXPECT_EQ(box.caption, "Nie zapisano zmian");
    EXPECT_EQ(box.flags, 0x23u);
}

TEST_F(CloseQuestionTest, CancelKeepsTheWindowAndItsChanges) {
    platform.messageBoxes.answers = {mb::IdCancel};
    Click("CloseButton");
    EXPECT_FALSE(Closed());
    EXPECT_EQ(platform.windows.quitCount, 0);
    EXPECT_EQ(form->Changes().ChangeCount(), 1);
    EXPECT_TRUE(Get<TControl>("ZastosujButton").Enabled());
}

TEST_F(CloseQuestionTest, NoClosesWithoutTouchingTheRegistry) {
    auto before = platform.registry.Snapshot();
    platform.messageBoxes.answers = {mb::IdNo};
    form->Close();
    EXPECT_TRUE(Closed());
    EXPECT_EQ(platform.registry.Snapshot(), before);
    EXPECT_TRUE(platform.shell.notifications.empty());
}

TEST_F(CloseQuestionTest, YesAppliesWithItsFinalReadAndCloses) {
    platform.messageBoxes.answers = {mb::IdYes};
    form->Close();
    EXPECT_TRUE(Closed());
    EXPECT_EQ(form->Changes().ChangeCount(), 0);
    EXPECT_FALSE(Get<TControl>("ZastosujButton").Enabled());
}

} // namespace
