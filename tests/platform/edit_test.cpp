#include "platform/edit.h"
#include "platform/panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class EditTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit.SetParent(&panel);
        edit.OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, &edit);
            changes.push_back(edit.Text());
        };
    }

    TPanel panel{nullptr};
    TEdit edit{nullptr};
    std::vector<std::string> changes; // Text as each OnChange found it
};

TEST_F(EditTest, EveryChangeTypedOrAssignedRaisesOnChange) {
    edit.UserType("ab");
    edit.SetText("xyz");
    edit.SetText("xyz");
    edit.UserType("\b");
    EXPECT_EQ(changes, (std::vector<std::string>{"a", "ab", "xyz", "xy"}));
}

TEST_F(EditTest, ModifiedTellsTheUsersEditingFromCodes) {
    EXPECT_FALSE(edit.Modified());
    edit.UserType("a");
    EXPECT_TRUE(edit.Modified());
    edit.SetText("b");
    EXPECT_FALSE(edit.Modified());
    edit.UserType("\b");
    EXPECT_TRUE(edit.Modified());
    edit.SetText("");
    EXPECT_FALSE(edit.Modified());
}

TEST_F(EditTest, AssigningTheTypedTextClearsModifiedWithoutAChange) {
    edit.UserType("abc");
    changes.clear();
    edit.SetText("abc");
    EXPECT_FALSE(edit.Modified());
    EXPECT_TRUE(changes.empty());
}

TEST_F(EditTest, TypingEditsLikeTheEditWindow) {
    struct Case {
        std::string before;
        std::string keys;
        int maxLength;
        std::string after;
    } cases[] = {
        {"", "abc", 0, "abc"},           {"abc", "\b\bx", 0, "ax"},
        {"a", "\b\b\b", 0, ""},          // Backspace in an empty edit does nothing
        {"", "a\tb\rc\x1b", 0, "abc"},   // other control keys insert nothing
        {"", "\xEA\xB3", 0, "\xEA\xB3"}, // "ęł" in Windows-1250 are characters
        {"", "abcd", 3, "abc"},          // MaxLength refuses the rest
        {"abc", "\bxy", 3, "abx"},       // Backspace makes room again
        {"abcdef", "x\b", 3, "abcde"},   // longer than MaxLength already: no more
    };
    for (const auto& c : cases) {
        edit.SetText(c.before);
        edit.SetMaxLength(c.maxLength);
        edit.UserType(c.keys);
        EXPECT_EQ(edit.Text(), c.after) << '"' << c.before << "\" + \"" << c.keys << '"';
    }
}

TEST_F(EditTest, OnKeyPressSeesEveryKeyAndMaySwallowOrChangeIt) {
    std::string seen;
    edit.OnKeyPress = [&](TObject* sender, char& key) {
        EXPECT_EQ(sender, &edit);
        seen.push_back(key);
        if (key == 'x')
            key = 0;
        else if (key == 'q')
            key = 'Q';
    };
    edit.UserType("axq\b\r");
    EXPECT_EQ(seen, "axq\b\r");
    EXPECT_EQ(edit.Text(), "a");
    edit.UserType("qxb");
    EXPECT_EQ(edit.Text(), "aQb");
}

TEST_F(EditTest, KeyPressThatMakesTheEditReadOnlyStopsTyping) {
    int keys = 0;
    edit.OnKeyPress = [&](TObject*, char&) {
        ++keys;
        edit.SetReadOnly(true);
    };
    edit.UserType("abc\b");
    EXPECT_EQ(keys, 4);
    EXPECT_EQ(edit.Text(), "");
    EXPECT_TRUE(changes.empty());
    EXPECT_FALSE(edit.Modified());

    // Code still writes a read-only edit.
    edit.SetText("set");
    EXPECT_EQ(changes, (std::vector<std::string>{"set"}));
}

TEST_F(EditTest, DisabledOrHiddenEditTakesNoKeys) {
    int keys = 0;
    edit.OnKeyPress = [&](TObject*, char&) { ++keys; };
    edit.SetEnabled(false);
    edit.UserType("a");
    edit.SetEnabled(true);
    panel.Hide();
    edit.UserType("b");
    EXPECT_EQ(keys, 0);
    EXPECT_EQ(edit.Text(), "");
}
