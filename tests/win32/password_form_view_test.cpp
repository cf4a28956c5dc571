#include "platform/edit.h"
#include "tests/win32/view_test_fixture.h"

namespace {

// The password window of the program, from its own layout.
class PasswordFormViewTest : public Win32ViewTest {
protected:
    void SetUp() override { BuildFromProgramLayout("password.layout"); }
};

TEST_F(PasswordFormViewTest, HasASingleBorderAndOnlyTheCloseBoxAndStaysOnTop) {
    LONG style = GetWindowLongW(FormWindow(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style &
                 (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL));
    EXPECT_TRUE(GetWindowLongW(FormWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT client;
    GetClientRect(FormWindow(), &client);
    EXPECT_EQ(client.right, 249);
    EXPECT_EQ(client.bottom, 83);
}

TEST_F(PasswordFormViewTest, IsCentredOnTheWorkArea) {
    RECT work, outer;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(FormWindow(), &outer);
    EXPECT_NEAR(outer.left - work.left, work.right - outer.right, 1);
    EXPECT_NEAR(outer.top - work.top, work.bottom - outer.bottom, 1);
}

TEST_F(PasswordFormViewTest, TheEditHasTheFocusAndEnterPressesOk) {
    EXPECT_EQ(GetFocus(), Window("Edit1"));
    SendMessageW(Window("Edit1"), WM_CHAR, L'a', 1);
    PostMessageW(Window("Edit1"), WM_KEYDOWN, VK_RETURN, 1);
    Pump();
    EXPECT_EQ(handlers.Count("Button1Click:Button1"), 1);
    EXPECT_EQ(Get<TEdit>("Edit1").Text(), "a");
}

TEST_F(PasswordFormViewTest, TheEditStandsOnTheWindowsColour) {
    EXPECT_GT(CountPixels(Window("Edit1"), RGB(48, 144, 207)), 1000);
}

} // namespace
