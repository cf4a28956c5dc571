// The hint panel shows the hint of the control under the pointer, else that of the nearest
// enclosing control with one, else nothing.
#include "platform/label.h"
#include "platform/page_control.h"
#include "tests/support/main_window_fixture.h"

namespace {

class HintTest : public MainWindowTest {
protected:
    void SetUp() override { OpenWindow(); }

    // The pointer rests on a point of the window's client area.
    void PointAt(int x, int y) { app->HintFromControl(form->ControlAtPos(x, y)); }
    // The pointer rests on the middle of a control, with its tab in front.
    void PointAt(const char* name) {
        auto& c = Get<TControl>(name);
        ShowTabOf(c);
        int x = c.Width() / 2, y = c.Height() / 2;
        for (TControl* p = &c; p && p != form; p = p->Parent()) {
            x += p->Left();
            y += p->Top();
        }
        PointAt(x, y);
    }
    std::string Shown() const { return Get<TLabel>("LabelHint").Caption(); }
};

TEST_F(HintTest, AControlShowsItsOwnHint) {
    PointAt("BoxNoRun");
    EXPECT_EQ(Shown(), Get<TControl>("BoxNoRun").Hint());
    EXPECT_FALSE(Shown().empty());
}

TEST_F(HintTest, AControlWithoutHintShowsTheHintOfWhatEnclosesIt) {
    PointAt("EditMenuShowDelay");
    EXPECT_EQ(Shown(), Get<TControl>("MenuShowDelayPanel").Hint());
    PointAt("PasswordBox");
    EXPECT_EQ(Shown(), Get<TControl>("GroupBox7").Hint());
}

TEST_F(HintTest, TheTabStripAndThePlacesOutsideEmptyThePanel) {
    PointAt("BoxNoRun");
    ASSERT_FALSE(Shown().empty());
    auto& pages = Get<TPageControl>("PageControl1");
    PointAt(pages.Left() + 10, pages.Top() + 2);
    EXPECT_EQ(Shown(), "");
    PointAt("BoxNoRun");
    app->HintFromControl(nullptr);
    EXPECT_EQ(Shown(), "");
}

TEST_F(HintTest, AnEmptyPlaceOfATabShowsTheTabsHint) {
    auto& pages = Get<TPageControl>("PageControl1");
    auto& tab = Get<TTabSheet>("System");
    ShowTabOf(tab);
    PointAt(pages.Left() + tab.Left() + tab.Width() - 3,
            pages.Top() + tab.Top() + tab.Height() - 3);
    EXPECT_EQ(Shown(), tab.Hint());
    EXPECT_EQ(Shown(), Cp1250("Na tej zakładce można ustawić ogólne opcje dotyczące systemu."));
}

} // namespace
