#include "tests/win32/view_test_fixture.h"

#include <thread>

namespace {

constexpr std::string_view kLayout = R"layout(
object Form: TForm
  ClientWidth = 300
  ClientHeight = 100
  object Box: TCheckBox
    Bounds = (8 8 200 17)
    Caption = "Pole"
    Hint = "Opis pola"
  end
end
)layout";

class EventLoopTest : public Win32ViewTest {
protected:
    void SetUp() override { Build(kLayout); }
};

TEST_F(EventLoopTest, ClosingTheMainFormEndsTheLoop) {
    PostMessageW(FormWindow(), WM_CLOSE, 0, 0);
    app.Run();
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(IsWindowVisible(FormWindow()));
}

TEST_F(EventLoopTest, TheHintFollowsThePointerOutOfTheWindowWithoutAnyMessage) {
    PointAt(20, 15);
    ASSERT_EQ(app.Hint(), "Opis pola");
    // Another thread moves the pointer off the window and later ends the loop; in between
    // nothing is sent to this thread, so only the loop's own timer can notice.
    RECT outer;
    GetWindowRect(FormWindow(), &outer);
    DWORD loopThread = GetCurrentThreadId();
    std::thread user([&] {
        Sleep(100);
        SetCursorPos(outer.right + 50, outer.bottom + 50);
        Sleep(500);
        PostThreadMessageW(loopThread, WM_QUIT, 0, 0);
    });
    windows.Run(app);
    user.join();
    EXPECT_EQ(app.Hint(), "");
}

} // namespace
