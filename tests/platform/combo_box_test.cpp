#include "platform/combo_box.h"
#include "platform/panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ComboBoxTest, IndexOfIgnoresLetterCaseOfPolishTextToo) {
    TComboBox combo(nullptr);
    combo.Add("Komputer");
    combo.Add("\xA3\xD3"
              "D\x8F"); // "ŁÓDŹ" in Windows-1250
    combo.Add("Kosz");
    EXPECT_EQ(combo.IndexOf("kosz"), 2);
    EXPECT_EQ(combo.IndexOf("\xB3\xF3"
                            "d\x9F"),
              1); // "łódź"
    EXPECT_EQ(combo.IndexOf("Kosz "), -1);
    EXPECT_EQ(combo.IndexOf(""), -1);
}

TEST(ComboBoxTest, SortedAddAndTheSelectedText) {
    TComboBox combo(nullptr);
    ASSERT_TRUE(combo.SetProperty("Sorted", {LayoutValue::Kind::Identifier, 0, "True", {}}));
    EXPECT_EQ(combo.Add("Pulpit"), 0);
    EXPECT_EQ(combo.Add("dokumenty"), 0);
    EXPECT_EQ(combo.Add("PULPIT"), 2);
    EXPECT_EQ(combo.Text(), "");

    combo.SetItemIndex(1);
    EXPECT_EQ(combo.Text(), "Pulpit");
    combo.Add("Autostart");
    EXPECT_EQ(combo.Text(), "Pulpit");
    combo.SetItemIndex(9);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
}

TEST(ComboBoxTest, UserPickRaisesOnChange) {
    TPanel panel(nullptr);
    TComboBox combo(nullptr);
    combo.SetParent(&panel);
    combo.Add("a");
    combo.Add("b");
    std::vector<std::string> picked;
    combo.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &combo);
        picked.push_back(combo.Text());
    };
    combo.UserSelect(1);
    combo.SetItemIndex(0); // code: no event
    combo.SetEnabled(false);
    combo.UserSelect(1);
    EXPECT_EQ(picked, (std::vector<std::string>{"b"}));
    EXPECT_EQ(combo.ItemIndex(), 0);
}
