#include "tests/win32/view_test_fixture.h"

namespace {

constexpr std::string_view kLayout = R"layout(
object Form: TForm
  ClientWidth = 300
  ClientHeight = 150
  object Group: TGroupBox
    Bounds = (8 8 200 80)
    Hint = "Opis grupy"
    object Own: TCheckBox
      Bounds = (8 16 150 17)
      Caption = "Z opisem"
      Hint = "Opis pola"
    end
    object Plain: TCheckBox
      Bounds = (8 40 150 17)
      Caption = "Bez opisu"
    end
  end
  object Note: TLabel
    Bounds = (8 100 100 13)
    Caption = "Etykieta"
    Hint = "Opis etykiety"
  end
end
)layout";

class HintTrackingTest : public Win32ViewTest {
protected:
    void SetUp() override { Build(kLayout); }
};

TEST_F(HintTrackingTest, TheIdleStepTakesTheHintOfTheControlUnderThePointer) {
    const struct {
        int x, y;
        const char* hint;
    } cases[] = {
        {20, 30, "Opis pola"},      // the box's own hint
        {20, 54, "Opis grupy"},     // a box without one shows its group's
        {150, 80, "Opis grupy"},    // the group's own area
        {12, 104, "Opis etykiety"}, // a label, which is a window of our own class too
        {250, 120, ""},             // the form has no hint
    };
    for (const auto& c : cases) {
        PointAt(c.x, c.y);
        EXPECT_EQ(app.Hint(), c.hint) << c.x << "," << c.y;
    }
}

TEST_F(HintTrackingTest, OutsideOurWindowsTheHintIsEmpty) {
    PointAt(20, 30);
    ASSERT_EQ(app.Hint(), "Opis pola");
    RECT outer;
    GetWindowRect(FormWindow(), &outer);
    SetCursorPos(outer.right + 50, outer.bottom + 50);
    Pump();
    EXPECT_EQ(app.Hint(), "");
}

} // namespace
