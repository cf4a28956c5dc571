// Apply under its journal: the journal is written before the first change, and one that
// cannot be written stops Apply with the error shown and the registry untouched.
#include "settings/change_tracker.h"
#include "tests/undo/exact_snapshot.h"
#include "tests/undo/journal_fixture.h"

#include <gtest/gtest.h>

namespace {

const std::string Expected =
    "Cannot create file C:\\Users\\Ola\\AppData\\Local\\Sorvanto\\Undo\\2026-12-11 14-05-33 "
    "Apply.reg.";

class ApplyJournalTest : public JournalTest {
protected:
    void SetUp() override {
        OpenWindow();
        Click("BoxNoRun");
        Type("RegisteredOwnerEdit", "Jan");
        before = TakeExactSnapshot(platform.registry);
    }
    void RefuseJournals() { platform.unicodeFiles.RefuseCreatingUnder(Folder()); }
    void ExpectNothingWritten() {
        EXPECT_EQ(Differences(before, TakeExactSnapshot(platform.registry)),
                  std::vector<std::string>());
        EXPECT_TRUE(platform.shell.notifications.empty());
        EXPECT_EQ(Get<TControl>("BoxNoRun").Tag(), 1);
        EXPECT_EQ(form->Changes().ChangeCount(), 4);
    }

    ExactSnapshot before;
};

TEST_F(ApplyJournalTest, WritesItsJournalAndThenTheChanges) {
    PressApply();
    EXPECT_EQ(Journals(),
              std::vector<std::u16string>{Folder() + u"\\2026-12-11 14-05-33 Apply.reg"});
    EXPECT_EQ(platform.registry.Get(
                  RootKey::CurrentUser,
                  "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "NoRun"),
              RegistryValue::DWord(1));
    EXPECT_EQ(form->Changes().ChangeCount(), 0);
}

TEST_F(ApplyJournalTest, AJournalThatCannotBeWrittenStopsApplyBeforeItsFirstWrite) {
    RefuseJournals();
    PressApply();
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, Expected);
    EXPECT_EQ(platform.messageBoxes.shown[0].caption, app->Title());
    ExpectNothingWritten();
    EXPECT_TRUE(Get<TControl>("ZastosujButton").Enabled());
}

TEST_F(ApplyJournalTest, YesAtTheCloseQuestionKeepsTheWindowOpenWhenTheJournalFails) {
    RefuseJournals();
    platform.messageBoxes.answers = {mb::IdYes};
    try {
        form->Close();
    } catch (const std::exception& e) {
        app->HandleException(e);
    }
    EXPECT_FALSE(app->Terminated());
    EXPECT_TRUE(form->Visible());
    ASSERT_EQ(platform.messageBoxes.shown.size(), 2u);
    EXPECT_EQ(platform.messageBoxes.shown[1].text, Expected);
    ExpectNothingWritten();
}

} // namespace
