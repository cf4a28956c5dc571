#include "platform/edit.h"
#include "platform/speed_button.h"
#include "tests/win32/view_test_fixture.h"

namespace {

constexpr std::string_view kLayout = R"layout(
object Form: TForm
  ClientWidth = 300
  ClientHeight = 120
  object Delay: TEdit
    Bounds = (8 8 100 21)
    OnEnter = DelayEnter
    OnExit = DelayExit
  end
  object Hidden: TSpeedButton
    Bounds = (8 40 80 24)
    Visible = False
    Caption = "&Zapisz"
    OnClick = HiddenClick
  end
  object Disabled: TSpeedButton
    Bounds = (88 40 80 24)
    Enabled = False
    Caption = "&Zamknij"
    OnClick = DisabledClick
  end
  object Apply: TSpeedButton
    Bounds = (168 40 80 24)
    Flat = True
    Caption = "&Zastosuj"
    OnClick = ApplyClick
  end
end
)layout";

class SpeedButtonViewTest : public Win32ViewTest {
protected:
    void SetUp() override {
        Build(kLayout);
        SetFocus(Window("Delay"));
        Pump();
        handlers.calls.clear();
    }
};

TEST_F(SpeedButtonViewTest, AClickPressesItWithoutTakingTheFocus) {
    ASSERT_EQ(FocusedControl(), &Get<TEdit>("Delay"));
    HWND button = Window("Apply");
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    Pump();
    EXPECT_EQ(handlers.calls, std::vector<std::string>{"ApplyClick:Apply"});
    EXPECT_EQ(FocusedControl(), &Get<TEdit>("Delay"));
    EXPECT_EQ(form->ActiveControl(), &Get<TEdit>("Delay"));
}

TEST_F(SpeedButtonViewTest, AReleaseOutsideTheButtonPressesNothing) {
    HWND button = Window("Apply");
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(200, 10));
    Pump();
    EXPECT_TRUE(handlers.calls.empty());
}

TEST_F(SpeedButtonViewTest, AltAndTheLetterPressTheFirstShowingEnabledButton) {
    // The focus stays in the edit, so its OnExit does not run.
    PostMessageW(Window("Delay"), WM_SYSCHAR, L'z', 1 << 29);
    Pump();
    EXPECT_EQ(handlers.calls, std::vector<std::string>{"ApplyClick:Apply"});
    EXPECT_EQ(FocusedControl(), &Get<TEdit>("Delay"));
}

TEST_F(SpeedButtonViewTest, ALetterOfNoButtonPressesNothing) {
    PostMessageW(Window("Delay"), WM_SYSCHAR, L'q', 1 << 29);
    Pump();
    EXPECT_TRUE(handlers.calls.empty());
}

TEST_F(SpeedButtonViewTest, AHiddenButtonHasNoVisibleWindow) {
    EXPECT_FALSE(IsWindowVisible(Window("Hidden")));
    EXPECT_TRUE(IsWindowVisible(Window("Apply")));
}

} // namespace
