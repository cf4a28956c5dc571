// The menu-delay edit takes digits and Backspace only, at most four characters, and turns a
// text that is no number into "50" when it is left.
#include "tests/settings/case_names.h"
#include "tests/settings/settings_fixture.h"

namespace {

using namespace paths;

struct KeysCase {
    const char* title;
    std::string keys;
    std::string text;
    bool readOnlyAfter;
};

void PrintTo(const KeysCase& c, std::ostream* os) {
    *os << c.title;
}

const KeysCase KeysCases[] = {
    {"digits", "120", "120", false},
    {"a letter is refused", "a", "", true},
    {"a digit after a letter", "1a2", "12", false},
    {"a space is refused", "1 ", "1", true},
    {"Backspace deletes", "12\b", "1", false},
    {"the fifth digit is refused", "12345", "1234", false},
    {"Backspace after a refused key", "12x\b", "1", false},
};

class MenuDelayKeysTest : public SettingsTest, public ::testing::WithParamInterface<KeysCase> {};

TEST_P(MenuDelayKeysTest, TypingGivesTheText) {
    const KeysCase& c = GetParam();
    Type("EditMenuShowDelay", c.keys);
    EXPECT_EQ(Edit("EditMenuShowDelay").Text(), c.text);
    EXPECT_EQ(Edit("EditMenuShowDelay").ReadOnly(), c.readOnlyAfter);
}

INSTANTIATE_TEST_SUITE_P(Keys, MenuDelayKeysTest, ::testing::ValuesIn(KeysCases), TitleName());

struct ExitCase {
    const char* title;
    std::string stored;
    std::string shownAfterLeaving;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.title;
}

const ExitCase ExitCases[] = {
    {"empty", "", "50"},
    {"not a number", "abc", "50"},
    {"zero", "0", "0"},
    {"a number", "300", "300"},
    {"a number with a space before", " 300", " 300"},
    {"a number with a space after", "300 ", "50"},
};

class MenuDelayExitTest : public SettingsTest, public ::testing::WithParamInterface<ExitCase> {};

// The text comes from the registry, so leaving the edit is the only change: the "50" put in
// is the program's, and marks nothing.
TEST_P(MenuDelayExitTest, LeavingTheEditPutsInTheDefault) {
    const ExitCase& c = GetParam();
    Put(HKCU, Desktop, "MenuShowDelay", Sz(c.stored));
    Read();
    Type("EditMenuShowDelay", "");
    Get<TWinControl>("MyComputerEdit").SetFocus();
    EXPECT_EQ(Edit("EditMenuShowDelay").Text(), c.shownAfterLeaving);
    EXPECT_FALSE(Marked("EditMenuShowDelay"));
    EXPECT_EQ(Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, MenuDelayExitTest, ::testing::ValuesIn(ExitCases), TitleName());

using MenuDelayTest = SettingsTest;

TEST_F(MenuDelayTest, TypedDigitsMarkThePanelAndLeavingKeepsThem) {
    Type("EditMenuShowDelay", "250");
    Get<TWinControl>("MyComputerEdit").SetFocus();
    EXPECT_EQ(Edit("EditMenuShowDelay").Text(), "250");
    EXPECT_TRUE(Marked("EditMenuShowDelay"));
    EXPECT_EQ(Count(), 3);
}

TEST_F(MenuDelayTest, PressingApplyDoesNotLeaveTheEdit) {
    Put(HKCU, Desktop, "MenuShowDelay", Sz("4"));
    Read();
    Type("EditMenuShowDelay", "\b");
    Apply();
    EXPECT_EQ(platform.registry.Get(HKCU, Desktop, "MenuShowDelay"), Sz(""));
    EXPECT_EQ(Edit("EditMenuShowDelay").Text(), "");
}

} // namespace
