#include "platform/check_box.h"
#include "platform/panel.h"
#include "tests/win32/view_test_fixture.h"

namespace {

constexpr std::string_view kLayout = R"layout(
object Form: TForm
  ClientWidth = 300
  ClientHeight = 120
  Color = clBtnFace
  object Box: TCheckBox
    Bounds = (8 8 200 17)
    Caption = "Ukryj funkcję 'Uruchom'"
    OnClick = BoxClick
  end
  object Failing: TCheckBox
    Bounds = (210 8 80 17)
    Caption = "Błąd"
    OnClick = Fail
  end
  object Group: TGroupBox
    Bounds = (8 40 280 70)
    Caption = ""
    object Master: TCheckBox
      Bounds = (8 0 237 17)
      Caption = "Wyłącz kartę"
      OnClick = MasterClick
    end
  end
end
)layout";

class CheckBoxViewTest : public Win32ViewTest {
protected:
    void SetUp() override { Build(kLayout); }
};

TEST_F(CheckBoxViewTest, IsAButtonThatLeavesTheStateToTheModel) {
    HWND box = Window("Box");
    EXPECT_EQ(ClassOf(box), L"Button");
    EXPECT_EQ(GetWindowLongW(box, GWL_STYLE) & BS_TYPEMASK, BS_CHECKBOX);
    EXPECT_EQ(GetParent(Window("Master")), Window("Group"));
}

TEST_F(CheckBoxViewTest, AClickTogglesTheModelAndRaisesOnClickOnce) {
    HWND box = Window("Box");
    SendMessageW(box, BM_CLICK, 0, 0);
    EXPECT_TRUE(Get<TCheckBox>("Box").Checked());
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(handlers.Count("BoxClick:Box"), 1);

    SendMessageW(box, BM_CLICK, 0, 0);
    EXPECT_FALSE(Get<TCheckBox>("Box").Checked());
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(handlers.Count("BoxClick:Box"), 2);
}

TEST_F(CheckBoxViewTest, TheWindowFollowsStateSetByCode) {
    Get<TCheckBox>("Box").SetChecked(true);
    EXPECT_EQ(SendMessageW(Window("Box"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(CheckBoxViewTest, ADisabledBoxIgnoresClicks) {
    Get<TCheckBox>("Box").SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(Window("Box")));
    SendMessageW(Window("Box"), BM_CLICK, 0, 0);
    EXPECT_FALSE(Get<TCheckBox>("Box").Checked());
    EXPECT_EQ(handlers.Count("BoxClick:Box"), 0);
}

TEST_F(CheckBoxViewTest, AnErrorInTheHandlerGoesToTheErrorBoxAndTheWindowGoesOn) {
    app.SetTitle("Sorvanto");
    SendMessageW(Window("Failing"), BM_CLICK, 0, 0);
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, "Handler failed.");
    EXPECT_EQ(fakes.messageBoxes.shown[0].caption, "Sorvanto");
    SendMessageW(Window("Box"), BM_CLICK, 0, 0);
    EXPECT_TRUE(Get<TCheckBox>("Box").Checked());
}

TEST_F(CheckBoxViewTest, AMarkedCaptionIsPaintedInBlue) {
    EXPECT_EQ(CountPixels(Window("Box"), RGB(0, 0, 255)), 0);
    Get<TCheckBox>("Box").Font().SetColor(clBlue);
    Pump();
    EXPECT_GT(CountPixels(Window("Box"), RGB(0, 0, 255)), 20);
}

// Paints a window through WM_PRINTCLIENT into a bitmap of its client size, over a copy of
// what lies beneath it (from `under` at `from`), as a child paints over its parent.
class Printed {
public:
    explicit Printed(HWND window, HDC under = nullptr, POINT from = {})
        : screen_(GetDC(window)), window_(window) {
        GetClientRect(window, &size_);
        dc_ = CreateCompatibleDC(screen_);
        bitmap_ = CreateCompatibleBitmap(screen_, size_.right, size_.bottom);
        old_ = SelectObject(dc_, bitmap_);
        if (under)
            BitBlt(dc_, 0, 0, size_.right, size_.bottom, under, from.x, from.y, SRCCOPY);
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    }
    ~Printed() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        ReleaseDC(window_, screen_);
    }
    HDC Dc() const { return dc_; }
    int Width() const { return size_.right; }
    int Height() const { return size_.bottom; }

private:
    HDC screen_;
    HWND window_;
    RECT size_{};
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

TEST_F(CheckBoxViewTest, AMasterBoxCoversTheFrameLineOfItsGroup) {
    // The group paints its etched line, then the box paints over it, as on the screen: the
    // line shows beside the box, but not through the empty end of the box's caption.
    HWND group = Window("Group");
    HWND box = Window("Master");
    RECT at;
    GetWindowRect(box, &at);
    MapWindowPoints(nullptr, group, reinterpret_cast<POINT*>(&at), 2);
    Printed scene(group);
    Printed boxPaint(box, scene.Dc(), {at.left, at.top});
    BitBlt(scene.Dc(), at.left, at.top, boxPaint.Width(), boxPaint.Height(), boxPaint.Dc(), 0, 0,
           SRCCOPY);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    int beside = 0, under = 0;
    for (int y = 0; y < at.bottom; ++y) {
        if (GetPixel(scene.Dc(), at.right + 10, y) == shadow)
            ++beside;
        for (int x = at.left + boxPaint.Width() / 2; x < at.right; ++x)
            if (GetPixel(scene.Dc(), x, y) == shadow)
                ++under;
    }
    EXPECT_EQ(beside, 1);
    EXPECT_EQ(under, 0);
}

} // namespace
