// The password window's one attempt: however it closes, a text equal byte for byte to the
// stored password unlocks the main window, and anything else ends the program without a
// word and without writing anything.
#include "platform/button.h"
#include "platform/text_codec.h"
#include "tests/app/program_fixture.h"

namespace {

struct Attempt {
    const char* name;
    std::string stored;
    std::string typed;
    bool unlocks;
};

void PrintTo(const Attempt& c, std::ostream* os) {
    *os << c.name;
}

const Attempt Attempts[] = {
    {"Exact", "tajne", "tajne", true},
    {"OneLetterInAnotherCase", "tajne", "tajnE", false},
    {"TrailingSpace", "tajne", "tajne ", false},
    {"Prefix", "tajne", "taj", false},
    {"NothingTyped", "tajne", "", false},
    {"EmptyPasswordEmptyField", "", "", true},
    {"TypedAgainstEmptyPassword", "", "x", false},
    {"PolishLetters", Utf8ToCp1250("Zażółć"), Utf8ToCp1250("Zażółć"), true},
    {"PolishLetterInAnotherCase", Utf8ToCp1250("zażółć"), Utf8ToCp1250("zażóŁć"), false},
};

// What the user is left with after the one attempt.
class AttemptTest : public ProgramTest {
protected:
    void ExpectUnlocked() {
        EXPECT_TRUE(MainWindow().Visible());
        EXPECT_FALSE(PasswordWindow().Visible());
        EXPECT_FALSE(Ended());
        EXPECT_EQ(platform.windows.quitCount, 0);
    }
    void ExpectEnded() {
        EXPECT_FALSE(MainWindow().Visible());
        EXPECT_FALSE(PasswordWindow().Visible());
        EXPECT_TRUE(Ended());
        EXPECT_EQ(platform.windows.quitCount, 1);
    }
    void PressOk() { FindAs<TButton>(PasswordWindow(), "Button1").UserClick(); }
};

class PasswordCheckTest : public AttemptTest, public ::testing::WithParamInterface<Attempt> {};

TEST_P(PasswordCheckTest, OnlyTheExactTextUnlocks) {
    const Attempt& attempt = GetParam();
    StorePassword(attempt.stored);
    RegistrySnapshot before = platform.registry.Snapshot();
    Start([&] {
        Edit1().UserType(attempt.typed);
        PressOk();
        if (attempt.unlocks)
            ExpectUnlocked();
        else
            ExpectEnded();
    });
    EXPECT_TRUE(platform.messageBoxes.shown.empty());
    EXPECT_EQ(platform.registry.Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Attempts, PasswordCheckTest, ::testing::ValuesIn(Attempts),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClosingWay {
    const char* name;
    void (*close)(TPasswordForm&);
};

void PrintTo(const ClosingWay& c, std::ostream* os) {
    *os << c.name;
}

const ClosingWay ClosingWays[] = {
    {"OkButton", [](TPasswordForm& w) { FindAs<TButton>(w, "Button1").UserClick(); }},
    {"Enter", [](TPasswordForm& w) { w.UserPressEnter(); }},
    // The close box and Alt+F4 ask the window to close.
    {"CloseBox", [](TPasswordForm& w) { w.Close(); }},
};

class ClosingWayTest : public AttemptTest, public ::testing::WithParamInterface<ClosingWay> {};

TEST_P(ClosingWayTest, TheRightPasswordUnlocks) {
    StorePassword("tajne");
    Start([&] {
        Edit1().UserType("tajne");
        GetParam().close(PasswordWindow());
        ExpectUnlocked();
    });
}

TEST_P(ClosingWayTest, AWrongPasswordEndsTheProgram) {
    StorePassword("tajne");
    Start([&] {
        Edit1().UserType("falsz");
        GetParam().close(PasswordWindow());
        ExpectEnded();
    });
    EXPECT_TRUE(platform.messageBoxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingWayTest, ::testing::ValuesIn(ClosingWays),
                         [](const auto& info) { return std::string(info.param.name); });

using PasswordWindowTest = ProgramTest;

TEST_F(PasswordWindowTest, TheCheckReadsThePasswordAgain) {
    StorePassword("stare");
    Start([&] {
        // Another program changes the password while the window waits.
        StorePassword("nowe");
        Edit1().UserType("nowe");
        PasswordWindow().Close();
        EXPECT_TRUE(MainWindow().Visible());
    });
}

TEST_F(PasswordWindowTest, TheEditIsLighterWhileItHasTheFocus) {
    StorePassword("tajne");
    Start([&] {
        FindAs<TButton>(PasswordWindow(), "Button1").SetFocus();
        EXPECT_EQ(Edit1().Color(), 13602864);
        Edit1().SetFocus();
        EXPECT_EQ(Edit1().Color(), 13612943);
    });
}

} // namespace
