#include "platform/label.h"
#include "tests/win32/view_test_fixture.h"

namespace {

constexpr std::string_view kLayout = R"layout(
object Form: TForm
  ClientWidth = 300
  ClientHeight = 100
  object Fitted: TLabel
    Bounds = (8 8 10 10)
    Caption = "Wybierz język:"
  end
  object Fixed: TLabel
    Bounds = (8 40 200 47)
    AutoSize = False
    WordWrap = True
    Caption = "Stały"
  end
  object Link: TLabel
    Bounds = (8 90 100 13)
    Caption = "https://sorvanto.example/"
    OnClick = LinkClick
  end
end
)layout";

class LabelViewTest : public Win32ViewTest {
protected:
    void SetUp() override { Build(kLayout); }
};

TEST_F(LabelViewTest, AnAutoSizedLabelTakesTheSizeOfItsCaption) {
    auto& label = Get<TLabel>("Fitted");
    int width = label.Width();
    EXPECT_GT(width, 40);
    // One line of the 8-point font.
    EXPECT_GT(label.Height(), 10);
    EXPECT_LT(label.Height(), 17);
    label.SetCaption("Wybierz język programu:");
    EXPECT_GT(label.Width(), width);
    RECT r;
    GetClientRect(Window("Fitted"), &r);
    EXPECT_EQ(r.right, label.Width());

    auto& fixed = Get<TLabel>("Fixed");
    fixed.SetCaption("Dłuższy tekst");
    EXPECT_EQ(fixed.Width(), 200);
    EXPECT_EQ(fixed.Height(), 47);
}

TEST_F(LabelViewTest, AClickReleasedOnTheLabelClicksIt) {
    HWND link = Window("Link");
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(handlers.Count("LinkClick:Link"), 1);
}

} // namespace
