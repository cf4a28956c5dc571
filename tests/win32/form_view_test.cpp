#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/edit.h"
#include "tests/win32/view_test_fixture.h"

namespace {

constexpr std::string_view kLayout = R"layout(
object Form: TForm
  Caption = "Hasło"
  ClientWidth = 300
  ClientHeight = 150
  Constraints.MinWidth = 250
  Constraints.MinHeight = 120
  OnResize = FormResize
  OnClose = KeepOpen
  object Right: TCheckBox
    Bounds = (200 8 90 17)
    Anchors = [akTop, akRight]
    Caption = "Prawy"
  end
  object Second: TEdit
    Bounds = (8 60 100 21)
    OnEnter = SecondEnter
  end
  object First: TEdit
    Bounds = (8 8 100 21)
    OnExit = FirstExit
  end
  object Other: TEdit
    Bounds = (120 8 70 21)
  end
  object Ok: TButton
    Bounds = (8 100 80 25)
    Caption = "OK"
    Default = True
    OnClick = OkClick
  end
end
)layout";

class FormViewTest : public Win32ViewTest {
protected:
    void SetUp() override { Build(kLayout); }

    SIZE ClientSize() {
        RECT r;
        GetClientRect(FormWindow(), &r);
        return {r.right, r.bottom};
    }
    void PressKey(HWND window, WPARAM key) {
        PostMessageW(window, WM_KEYDOWN, key, 1);
        PostMessageW(window, WM_KEYUP, key, 0xC0000001);
        Pump();
    }
};

TEST_F(FormViewTest, IsATopLevelWindowOfTheModelsCaptionAndClientSize) {
    wchar_t caption[32] = {};
    GetWindowTextW(FormWindow(), caption, 32);
    EXPECT_EQ(std::wstring(caption), L"Hasło");
    EXPECT_EQ(ClientSize().cx, 300);
    EXPECT_EQ(ClientSize().cy, 150);
    EXPECT_TRUE(IsWindowVisible(FormWindow()));
}

TEST_F(FormViewTest, ResizingTheWindowResizesTheModelAndMovesAnchoredControls) {
    RECT outer;
    GetWindowRect(FormWindow(), &outer);
    SetWindowPos(FormWindow(), nullptr, 0, 0, outer.right - outer.left + 100,
                 outer.bottom - outer.top + 40, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    EXPECT_EQ(form->ClientWidth(), 400);
    EXPECT_EQ(form->ClientHeight(), 190);
    EXPECT_EQ(handlers.Count("FormResize:Form"), 1);
    RECT box;
    GetWindowRect(Window("Right"), &box);
    MapWindowPoints(nullptr, FormWindow(), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, 300);
}

TEST_F(FormViewTest, TheModelsClientSizeResizesTheWindow) {
    form->SetClientSize(320, 160);
    EXPECT_EQ(ClientSize().cx, 320);
    EXPECT_EQ(ClientSize().cy, 160);
}

TEST_F(FormViewTest, TheWindowIsNoSmallerThanTheModelsMinimumOuterSize) {
    MINMAXINFO limits{};
    SendMessageW(FormWindow(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 250);
    EXPECT_EQ(limits.ptMinTrackSize.y, 120);
}

TEST_F(FormViewTest, TheCloseBoxAsksTheModelWhichMayKeepTheWindow) {
    SendMessageW(FormWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(handlers.Count("KeepOpen:Form"), 1);
    EXPECT_TRUE(IsWindow(FormWindow()));
    EXPECT_TRUE(IsWindowVisible(FormWindow()));
}

TEST_F(FormViewTest, TabRunsDownEachColumnAndTellsTheModel) {
    SetFocus(Window("First"));
    Pump();
    ASSERT_EQ(form->ActiveControl(), &Get<TEdit>("First"));
    // By (Left, Top): First (8, 8), Second (8, 60), Ok (8, 100), Other (120, 8), Right.
    PressKey(Window("First"), VK_TAB);
    EXPECT_EQ(FocusedControl(), &Get<TEdit>("Second"));
    EXPECT_EQ(form->ActiveControl(), &Get<TEdit>("Second"));
    EXPECT_EQ(handlers.Count("FirstExit:First"), 1);
    EXPECT_EQ(handlers.Count("SecondEnter:Second"), 1);
    PressKey(Window("Second"), VK_TAB);
    PressKey(Window("Ok"), VK_TAB);
    EXPECT_EQ(FocusedControl(), &Get<TEdit>("Other"));
}

TEST_F(FormViewTest, TheModelMovesTheFocus) {
    Get<TEdit>("Other").SetFocus();
    EXPECT_EQ(GetFocus(), Window("Other"));
}

TEST_F(FormViewTest, EnterPressesTheDefaultButton) {
    SetFocus(Window("First"));
    Pump();
    PressKey(Window("First"), VK_RETURN);
    EXPECT_EQ(handlers.Count("OkClick:Ok"), 1);
    EXPECT_EQ(Get<TEdit>("First").Text(), "");
}

TEST_F(FormViewTest, TheFocusComesBackToTheActiveControlWithTheWindow) {
    SetFocus(Window("Other"));
    Pump();
    SetFocus(nullptr);
    SendMessageW(FormWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), Window("Other"));
}

} // namespace
