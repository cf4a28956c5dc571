#include "platform/check_box.h"
#include "platform/panel.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class RecordingView : public ControlView {
public:
    explicit RecordingView(std::vector<ViewChange>& log) : log_(log) {}
    void Changed(ViewChange what) override { log_.push_back(what); }

private:
    std::vector<ViewChange>& log_;
};

} // namespace

class CheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        box.SetParent(&panel);
        box.OnClick = [this](TObject* sender) {
            EXPECT_EQ(sender, &box);
            seen.push_back(box.Checked());
        };
    }

    TPanel panel{nullptr};
    TCheckBox box{nullptr};
    std::vector<bool> seen; // Checked as each OnClick found it
};

TEST_F(CheckBoxTest, EveryChangeOfStateRaisesOnClickOnce) {
    box.UserClick();
    box.UserClick();
    box.SetChecked(true);
    box.SetChecked(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false}));
}

TEST_F(CheckBoxTest, SettingTheStateItHasRaisesNothing) {
    box.SetChecked(false);
    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(seen, (std::vector<bool>{true}));
}

TEST_F(CheckBoxTest, DisabledOrHiddenBoxIgnoresTheUser) {
    box.SetEnabled(false);
    box.UserClick();
    box.SetEnabled(true);
    box.Hide();
    box.UserClick();
    box.Show();
    panel.Hide();
    box.UserClick();
    EXPECT_FALSE(box.Checked());
    EXPECT_TRUE(seen.empty());

    // Code still sets a disabled box, and that is a change like any other.
    box.SetEnabled(false);
    box.SetChecked(true);
    EXPECT_EQ(seen, (std::vector<bool>{true}));
}

TEST_F(CheckBoxTest, ViewHearsOfARealChangeOnly) {
    std::vector<ViewChange> log;
    box.SetView(std::make_unique<RecordingView>(log));
    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(log, (std::vector<ViewChange>{ViewChange::Checked}));
}
