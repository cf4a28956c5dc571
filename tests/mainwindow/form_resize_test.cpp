// The bottom row, the hint panel and the tabs are placed by the window itself on every
// change of its client size.
#include "platform/form.h"
#include "tests/support/main_window_fixture.h"

#include <string>
#include <vector>

namespace {

struct Place {
    std::string name;
    int left, top;
};

// The positions at the client size the window is created with, 612 x 393.
const std::vector<Place> BottomRowAtCreation = {
    {"Label15", 4, 364},
    {"CloseButton", 528, 365},
    {"OdczytajButton", 448, 365},
    {"ZastosujButton", 368, 365},
    {"Bevel1", 360, 365},
    {"SaveProfileButton", 276, 365},
    {"OpenProfileButton", 196, 365},
    {"Bevel2", 188, 365},
    {"SaveStrings", 104, 365},
};

class FormResizeTest : public MainWindowTest {
protected:
    void SetUp() override { OpenWindow(); }
};

TEST_F(FormResizeTest, TheWindowIsCreatedWithTheBottomRowInPlace) {
    EXPECT_EQ(form->ClientWidth(), 612);
    EXPECT_EQ(form->ClientHeight(), 393);
    for (const auto& [name, left, top] : BottomRowAtCreation) {
        EXPECT_EQ(Get<TControl>(name).Left(), left) << name;
        EXPECT_EQ(Get<TControl>(name).Top(), top) << name;
    }
    EXPECT_EQ(Get<TControl>("Panel2").BoundsRect(), (TRect{4, 302, 4 + 604, 302 + 59}));
    EXPECT_EQ(Get<TControl>("PageControl1").BoundsRect(), (TRect{4, 4, 4 + 604, 4 + 294}));
}

TEST_F(FormResizeTest, WideningMovesTheButtonsAndWidensThePanelsButNotTheHintLabel) {
    form->SetClientSize(712, 443);
    for (const auto& [name, left, top] : BottomRowAtCreation) {
        int expectedLeft = name == "Label15" ? left : left + 100;
        EXPECT_EQ(Get<TControl>(name).Left(), expectedLeft) << name;
        EXPECT_EQ(Get<TControl>(name).Top(), top + 50) << name;
    }
    EXPECT_EQ(Get<TControl>("Panel2").Width(), 704);
    EXPECT_EQ(Get<TControl>("PageControl1").Width(), 704);
    EXPECT_EQ(Get<TControl>("PageControl1").Height(), 294 + 50);
    EXPECT_EQ(Get<TControl>("LabelHint").Width(), 585);
    EXPECT_FALSE(Get<TControl>("SaveStrings").Visible());
}

TEST_F(FormResizeTest, TabContentsFollowTheirAnchors) {
    auto& icons = Get<TControl>("IconsListBox");
    auto& changeButton = Get<TControl>("DisplayDialogButton");
    auto& box = Get<TControl>("BoxNoRun");
    TRect iconsBefore = icons.BoundsRect(), buttonBefore = changeButton.BoundsRect(),
          boxBefore = box.BoundsRect();
    form->SetClientSize(form->ClientWidth() + 40, form->ClientHeight() + 30);
    EXPECT_EQ(icons.Width(), iconsBefore.Width() + 40);
    EXPECT_EQ(icons.Height(), iconsBefore.Height() + 30);
    EXPECT_EQ(changeButton.Left(), buttonBefore.Left + 40);
    EXPECT_EQ(changeButton.Top(), buttonBefore.Top + 30);
    EXPECT_EQ(box.BoundsRect(), boxBefore);
}

} // namespace
