// How a slot is drawn in IconsListBox: on the canvas the platform prepared, its picture,
// then its number and text beside it, blue while the slot is changed.
#include "platform/canvas.h"
#include "tests/icons/icons_fixture.h"

#include <vector>

namespace {

class RecordingCanvas : public TCanvas {
public:
    void FillRect(const TRect& rect) override { calls.push_back("fill " + Text(rect)); }
    int TextHeight(const std::string& /*text*/) override { return 13; }
    void TextOut(int x, int y, const std::string& text) override {
        calls.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " " + text +
                        " in " + std::to_string(Font().Color()));
    }
    void DrawIcon(int x, int y, const TIcon& icon, bool enabled) override {
        calls.push_back("icon " + std::to_string(x) + "," + std::to_string(y) + " " +
                        FakeIcons::SourceOf(icon) + (enabled ? "" : " disabled"));
    }
    static std::string Text(const TRect& r) {
        return std::to_string(r.Left) + "," + std::to_string(r.Top) + "-" +
               std::to_string(r.Right) + "," + std::to_string(r.Bottom);
    }
    std::vector<std::string> calls;
};

class IconListDrawingTest : public IconsTest {
protected:
    std::vector<std::string> Draw(int index, TOwnerDrawState state, TColor preparedText) {
        RecordingCanvas canvas;
        canvas.Font().SetColor(preparedText);
        List().DrawItem(index, TRect{200, 34, 400, 68}, state, canvas);
        return canvas.calls;
    }
};

TEST_F(IconListDrawingTest, AnItemShowsItsPictureNumberAndText) {
    EXPECT_EQ(Draw(0, 0, clWindowText),
              (std::vector<std::string>{"fill 200,34-400,68", "icon 201,35 shell32.dll,15",
                                        "text 236,44 " + Cp1250("0. Mój komputer") + " in " +
                                            std::to_string(clWindowText)}));
    EXPECT_EQ(Draw(38, 0, clWindowText).back(),
              Cp1250("text 236,44 38. Skrót in ") + std::to_string(clWindowText));
}

TEST_F(IconListDrawingTest, AChangedSlotIsBlueAlsoWhenSelectedUntilTheNextRead) {
    RestoreDefault(2);
    const std::string blue = " in " + std::to_string(0xFF0000);
    EXPECT_EQ(Draw(2, odSelected, clHighlightText).back(),
              "text 236,44 2. Otoczenie sieciowe" + blue);
    EXPECT_EQ(Draw(3, odSelected, clHighlightText).back(),
              Cp1250("text 236,44 3. Kosz (pełny) in ") + std::to_string(clHighlightText));
    Read();
    EXPECT_EQ(Draw(2, 0, clWindowText).back(),
              "text 236,44 2. Otoczenie sieciowe in " + std::to_string(clWindowText));
}

TEST_F(IconListDrawingTest, TheListHoldsTheSlotsInOrder) {
    ASSERT_EQ(List().Count(), 39);
    EXPECT_EQ(List().Items()[1], "Moje dokumenty");
    EXPECT_EQ(List().Items()[25], Cp1250("Start->Znajdź"));
    EXPECT_EQ(List().ColumnWidth(), 200);
}

} // namespace
