#include "platform/canvas.h"
#include "platform/list_box.h"
#include "platform/panel.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class NullCanvas : public TCanvas {
public:
    void FillRect(const TRect&) override {}
    int TextHeight(const std::string&) override { return 13; }
    void TextOut(int, int, const std::string&) override {}
    void DrawIcon(int, int, const TIcon&, bool) override {}
};

} // namespace

TEST(ListBoxTest, AddReturnsThePlaceTaken) {
    TListBox list(nullptr);
    EXPECT_EQ(list.Add("zeta"), 0);
    EXPECT_EQ(list.Add("alfa"), 1);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"zeta", "alfa"}));
}

TEST(ListBoxTest, SortedListInsertsAfterItemsThatSortTheSame) {
    TListBox list(nullptr);
    ASSERT_TRUE(list.SetProperty("Sorted", {LayoutValue::Kind::Identifier, 0, "True", {}}));
    struct Step {
        std::string text;
        int at;
    } steps[] = {{"Notepad", 0}, {"calc", 0}, {"notepad", 2}, {"Calc", 1},
                 {"", 0},        {"Zeta", 5}, {"NOTEPAD", 5}};
    for (const auto& s : steps)
        EXPECT_EQ(list.Add(s.text), s.at) << s.text;
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"", "calc", "Calc", "Notepad", "notepad",
                                                      "NOTEPAD", "Zeta"}));
}

TEST(ListBoxTest, SelectionStaysOnItsItemAndFallsBackToNone) {
    TListBox list(nullptr);
    ASSERT_TRUE(list.SetProperty("Sorted", {LayoutValue::Kind::Identifier, 0, "True", {}}));
    list.Add("b");
    list.Add("d");
    EXPECT_EQ(list.ItemIndex(), -1);
    list.SetItemIndex(1);
    list.Add("a"); // before the selected item
    list.Add("e"); // after it
    EXPECT_EQ(list.ItemIndex(), 2);
    EXPECT_EQ(list.Items()[list.ItemIndex()], "d");

    for (int bad : {4, 5, -2}) {
        list.SetItemIndex(2);
        list.SetItemIndex(bad);
        EXPECT_EQ(list.ItemIndex(), -1) << bad;
    }
    list.SetItemIndex(3);
    list.Clear();
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ListBoxTest, SetItemOutsideTheListRaises) {
    TListBox list(nullptr);
    list.Add("a");
    list.SetItem(0, "b");
    EXPECT_EQ(list.Items()[0], "b");
    try {
        list.SetItem(1, "c");
        FAIL() << "no error";
    } catch (const EStringListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (1)");
    }
    EXPECT_THROW(list.SetItem(-1, "c"), EStringListError);
}

TEST(ListBoxTest, UserSelectionRaisesOnChangeOnlyWhenItMoves) {
    TPanel panel(nullptr);
    TListBox list(nullptr);
    list.SetParent(&panel);
    list.Add("a");
    list.Add("b");
    std::vector<int> changes;
    list.OnChange = [&](TObject*) { changes.push_back(list.ItemIndex()); };
    list.UserSelect(1);
    list.UserSelect(1);
    list.UserSelect(0);
    list.SetItemIndex(1); // code: no event
    panel.Hide();
    list.UserSelect(0);
    EXPECT_EQ(changes, (std::vector<int>{1, 0}));
    EXPECT_EQ(list.ItemIndex(), 1);
}

TEST(ListBoxTest, CanvasIsThereOnlyWhileAnItemIsDrawn) {
    TListBox list(nullptr);
    NullCanvas canvas;
    std::vector<int> drawn;
    list.OnDrawItem = [&](TWinControl* control, int index, const TRect&, TOwnerDrawState) {
        EXPECT_EQ(control, &list);
        EXPECT_EQ(list.Canvas(), &canvas);
        drawn.push_back(index);
        if (index == 1)
            throw std::runtime_error("draw failed");
    };
    list.DrawItem(0, {0, 0, 100, 13}, odSelected, canvas);
    EXPECT_EQ(list.Canvas(), nullptr);
    EXPECT_THROW(list.DrawItem(1, {0, 13, 100, 26}, 0, canvas), std::runtime_error);
    EXPECT_EQ(list.Canvas(), nullptr);
    EXPECT_EQ(drawn, (std::vector<int>{0, 1}));
}
