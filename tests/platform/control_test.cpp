#include "platform/bevel.h"
#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/control.h"
#include "platform/edit.h"
#include "platform/label.h"
#include "platform/page_control.h"
#include "platform/panel.h"
#include "platform/speed_button.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

template <class T> T* Place(TComponent& owner, TWinControl* parent, TRect r) {
    auto* control = new T(&owner);
    control->SetParent(parent);
    control->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    return control;
}

} // namespace

TEST(ControlTest, ControlsListsGraphicChildrenFirstThenWindowedInPlacingOrder) {
    TComponent owner(nullptr);
    auto* panel = new TPanel(&owner);
    auto* edit = Place<TEdit>(owner, panel, {});
    auto* label = Place<TLabel>(owner, panel, {});
    auto* box = Place<TCheckBox>(owner, panel, {});
    auto* speed = Place<TSpeedButton>(owner, panel, {});
    auto* bevel = Place<TBevel>(owner, panel, {});
    auto* image = Place<TImage>(owner, panel, {});

    EXPECT_EQ(panel->Controls(), (std::vector<TControl*>{label, speed, bevel, image, edit, box}));

    // Moving a control to another parent takes it out of the first and puts it last.
    auto* other = new TPanel(&owner);
    auto* otherLabel = Place<TLabel>(owner, other, {});
    label->SetParent(other);
    EXPECT_EQ(label->Parent(), other);
    EXPECT_EQ(panel->Controls(), (std::vector<TControl*>{speed, bevel, image, edit, box}));
    EXPECT_EQ(other->Controls(), (std::vector<TControl*>{otherLabel, label}));

    delete speed;
    EXPECT_EQ(panel->Controls(), (std::vector<TControl*>{bevel, image, edit, box}));
}

TEST(ControlTest, ParentThatGoesFirstLeavesNoDanglingParent) {
    TLabel label(nullptr);
    auto* panel = new TPanel(nullptr);
    label.SetParent(panel);
    delete panel;
    EXPECT_EQ(label.Parent(), nullptr);
    EXPECT_TRUE(label.Showing());
}

TEST(ControlTest, ShowingNeedsEveryEnclosingControlVisible) {
    TPanel outer(nullptr), inner(nullptr);
    TLabel label(nullptr);
    inner.SetParent(&outer);
    label.SetParent(&inner);
    EXPECT_TRUE(label.Showing());

    outer.Hide();
    EXPECT_TRUE(label.Visible());
    EXPECT_FALSE(label.Showing());
    EXPECT_FALSE(inner.Showing());

    outer.Show();
    label.Hide();
    EXPECT_FALSE(label.Showing());
    EXPECT_TRUE(inner.Showing());
}

TEST(ControlTest, UserClickReachesOnlyAShowingEnabledControl) {
    struct Case {
        bool visible, enabled, parentVisible;
        bool clicked;
    } cases[] = {
        {true, true, true, true},
        {false, true, true, false},
        {true, false, true, false},
        {true, true, false, false},
    };
    for (const auto& c : cases) {
        TPanel panel(nullptr);
        TButton button(nullptr);
        button.SetParent(&panel);
        int clicks = 0;
        button.OnClick = [&](TObject* sender) {
            EXPECT_EQ(sender, &button);
            ++clicks;
        };
        int doubleClicks = 0;
        button.OnDblClick = [&](TObject*) { ++doubleClicks; };
        button.SetVisible(c.visible);
        button.SetEnabled(c.enabled);
        panel.SetVisible(c.parentVisible);

        button.UserClick();
        button.UserDblClick();
        EXPECT_EQ(clicks, c.clicked ? 1 : 0) << c.visible << c.enabled << c.parentVisible;
        EXPECT_EQ(doubleClicks, c.clicked ? 1 : 0) << c.visible << c.enabled << c.parentVisible;
    }
}

class ControlAtPosTest : public ::testing::Test {
protected:
    // A 400 x 300 panel holding a panel at (10, 10) with an edit and a label in it that
    // overlap, a hidden check box, and a page control whose second page is not shown.
    void SetUp() override {
        root = new TPanel(&owner);
        root->SetBounds(0, 0, 400, 300);
        panel = Place<TPanel>(owner, root, {10, 10, 210, 110});
        label = Place<TLabel>(owner, panel, {0, 0, 100, 20});
        edit = Place<TEdit>(owner, panel, {50, 0, 150, 20}); // over the label's right half
        hidden = Place<TCheckBox>(owner, panel, {0, 50, 100, 70});
        hidden->Hide();
        pages = Place<TPageControl>(owner, root, {0, 150, 400, 300});
        auto* first = new TTabSheet(&owner);
        first->SetPageControl(pages);
        auto* second = new TTabSheet(&owner);
        second->SetPageControl(pages);
        pages->SetActivePage(first);
        onFirst = Place<TCheckBox>(owner, first, {0, 0, 100, 20});
        Place<TEdit>(owner, second, {0, 30, 100, 50});
    }

    TComponent owner{nullptr};
    TPanel* root = nullptr;
    TPanel* panel = nullptr;
    TLabel* label = nullptr;
    TEdit* edit = nullptr;
    TCheckBox* hidden = nullptr;
    TPageControl* pages = nullptr;
    TCheckBox* onFirst = nullptr;
};

TEST_F(ControlAtPosTest, FindsTheDeepestShowingControl) {
    TTabSheet* firstSheet = pages->Page(0);
    struct Case {
        int x, y;
        TControl* found;
    } cases[] = {
        {15, 15, label},      // the label alone
        {70, 15, edit},       // windowed over graphic
        {159, 29, edit},      // last pixel of the edit
        {160, 15, panel},     // just right of the edit
        {15, 65, panel},      // where the hidden check box is
        {300, 100, root},     // no child there
        {5, 200, onFirst},    // first page: 150 + 44 top inset, 4 left inset
        {5, 190, pages},      // the tab strip
        {5, 230, firstSheet}, // the second page's edit is not shown
        {2, 200, pages},      // the page control's frame
    };
    for (const auto& c : cases)
        EXPECT_EQ(root->ControlAtPos(c.x, c.y), c.found) << c.x << "," << c.y;
}
