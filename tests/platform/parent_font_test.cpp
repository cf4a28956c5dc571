#include "platform/check_box.h"
#include "platform/control.h"
#include "platform/edit.h"
#include "platform/label.h"
#include "platform/panel.h"

#include <gtest/gtest.h>

// A panel that marks itself blue, as the change marks do, with a label and an edit that
// keep the parent font, and a check box with a font of its own.
class ParentFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        group.SetParent(&form);
        panel.SetParent(&group);
        label.SetParent(&panel);
        edit.SetParent(&panel);
        box.SetParent(&panel);
    }

    TPanel form{nullptr};
    TGroupBox group{nullptr};
    TPanel panel{nullptr};
    TLabel label{nullptr};
    TEdit edit{nullptr};
    TCheckBox box{nullptr};
};

TEST_F(ParentFontTest, ChildrenTakeThePanelsFontAndFollowItsChanges) {
    form.Font().SetName("Tahoma");
    EXPECT_EQ(label.Font().Name(), "Tahoma");
    EXPECT_EQ(box.Font().Name(), "Tahoma");

    panel.Font().SetColor(clBlue);
    EXPECT_FALSE(panel.ParentFont());
    EXPECT_EQ(label.Font().Color(), clBlue);
    EXPECT_EQ(edit.Font().Color(), clBlue);
    EXPECT_TRUE(label.ParentFont());
    EXPECT_EQ(group.Font().Color(), clWindowText);

    // The panel has left its parent's font: a change above no longer reaches it.
    form.Font().SetHeight(-16);
    EXPECT_EQ(group.Font().Height(), -16);
    EXPECT_EQ(panel.Font().Height(), -11);
    EXPECT_EQ(label.Font().Height(), -11);
}

TEST_F(ParentFontTest, OwnFontAttributeKeepsTheCheckBoxOutOfItsParentsChanges) {
    box.Font().SetStyle(fsBold);
    EXPECT_FALSE(box.ParentFont());

    panel.Font().SetColor(clBlue);
    panel.Font().SetName("Arial");
    EXPECT_EQ(box.Font().Color(), clWindowText);
    EXPECT_EQ(box.Font().Name(), "MS Sans Serif");
    EXPECT_EQ(label.Font().Color(), clBlue);

    box.SetParentFont(true);
    EXPECT_EQ(box.Font(), panel.Font());
}

// Unmarking a check box sets the colour it already has; it still owns its font from then on.
TEST_F(ParentFontTest, SettingTheInheritedValueStillGivesTheChildItsOwnFont) {
    box.Font().SetColor(clWindowText);
    EXPECT_FALSE(box.ParentFont());

    panel.Font().SetColor(clBlue);
    EXPECT_EQ(box.Font().Color(), clWindowText);
}

TEST_F(ParentFontTest, ControlWithItsOwnFontKeepsItWhenPlaced) {
    TLabel title(nullptr);
    title.Font().SetColor(clRed);
    panel.Font().SetColor(clBlue);
    title.SetParent(&panel);
    EXPECT_EQ(title.Font().Color(), clRed);

    TLabel plain(nullptr);
    plain.SetParent(&panel);
    EXPECT_EQ(plain.Font().Color(), clBlue);
}

TEST(ParentColorTest, ParentColorFollowsTheParentUntilTheChildGetsItsOwn) {
    TPanel form(nullptr);
    TPanel panel(nullptr);
    TEdit edit(nullptr);
    panel.SetParent(&form);
    edit.SetParent(&panel);
    EXPECT_EQ(edit.Color(), clWindow);

    form.SetColor(13602864);
    panel.SetParentColor(true);
    edit.SetParentColor(true);
    EXPECT_EQ(edit.Color(), 13602864);

    form.SetColor(clWhite);
    EXPECT_EQ(panel.Color(), clWhite);
    EXPECT_EQ(edit.Color(), clWhite);
    EXPECT_TRUE(edit.ParentColor());

    edit.SetColor(clWindow);
    EXPECT_FALSE(edit.ParentColor());
    form.SetColor(clRed);
    EXPECT_EQ(panel.Color(), clRed);
    EXPECT_EQ(edit.Color(), clWindow);
}
