// At start the stored password decides what the user sees first: the main window, or the
// password window with the main window built, filled and hidden behind it.
#include "platform/check_box.h"
#include "platform/exceptions.h"
#include "tests/app/program_fixture.h"

#include <optional>

namespace {

const char* const ProgramKey = "Software\\SRVT\\SRVT";

struct StoredForm {
    const char* name;
    bool keyExists;
    std::optional<RegistryValue> value;
    bool locked;
};

void PrintTo(const StoredForm& c, std::ostream* os) {
    *os << c.name;
}

const StoredForm StoredForms[] = {
    {"NoKey", false, std::nullopt, false},
    {"KeyWithoutValue", true, std::nullopt, false},
    {"EmptyString", true, RegistryValue::String(""), true},
    {"Text", true, RegistryValue::String("tajne"), true},
    {"Dword", true, RegistryValue::DWord(1), false},
    {"Binary", true, RegistryValue::Binary("tajne"), false},
    {"ExpandString", true, RegistryValue::ExpandString("tajne"), false},
};

class StartDecisionTest : public ProgramTest, public ::testing::WithParamInterface<StoredForm> {};

TEST_P(StartDecisionTest, OnlyAStoredStringLocksTheProgram) {
    const StoredForm& stored = GetParam();
    if (stored.keyExists)
        platform.registry.OpenKey(RootKey::LocalMachine, ProgramKey, true);
    if (stored.value)
        StorePassword(*stored.value);
    bool checked = false;
    int exitCode = Start([&] {
        EXPECT_EQ(MainWindow().Visible(), !stored.locked);
        ASSERT_EQ(program->PasswordForm() != nullptr, stored.locked);
        if (stored.locked) {
            EXPECT_TRUE(PasswordWindow().Visible());
        }
        checked = FindAs<TCheckBox>(MainWindow(), "PasswordBox").Checked();
    });
    EXPECT_TRUE(loopRan);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(program->Application().Title(), "Sorvanto");
    EXPECT_EQ(program->Application().MainForm(), program->Form1());
    // The main window's Read agrees with the start about whether a password is set.
    EXPECT_EQ(checked, stored.locked);
}

INSTANTIATE_TEST_SUITE_P(Stored, StartDecisionTest, ::testing::ValuesIn(StoredForms),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramTest, ThePasswordWindowOpensOnTopCentredWithTheFocusInItsEdit) {
    StorePassword("tajne");
    Start([&] {
        TPasswordForm& window = PasswordWindow();
        EXPECT_EQ(window.Caption(), "Password");
        EXPECT_EQ(window.FormStyle(), TFormStyle::fsStayOnTop);
        EXPECT_EQ(window.Position(), TPosition::poScreenCenter);
        EXPECT_EQ(window.ActiveControl(), &Edit1());
        // The edit has entered its focus colour.
        EXPECT_EQ(Edit1().Color(), 13612943);
        EXPECT_EQ(Edit1().Text(), "");
    });
    // The main window and the password window each got their windows.
    EXPECT_EQ(platform.windows.viewsCreated, 2);
}

// Notes what the main window shows at the moment the password window gets its windows.
class WatchingWindows : public HeadlessWindows {
public:
    void CreateViews(TForm& form) override {
        HeadlessWindows::CreateViews(form);
        if (form.ClassNameIs("TPasswordForm"))
            noRunShown = FindAs<TCheckBox>(*form.Application().MainForm(), "BoxNoRun").Checked();
    }
    std::optional<bool> noRunShown;
};

TEST_F(ProgramTest, TheMainWindowIsReadBeforeThePasswordWindowAppears) {
    StorePassword("tajne");
    platform.registry.Put(RootKey::CurrentUser,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                          "NoRun", RegistryValue::DWord(1));
    WatchingWindows windows;
    Program watched(platform.Replace(windows).Services());
    watched.Run();
    ASSERT_TRUE(windows.noRunShown.has_value());
    EXPECT_TRUE(*windows.noRunShown);
}

// A registry that fails at the first question.
class BrokenStore : public RegistryStore {
public:
    bool KeyExistsExact(RootKey, RegistryView, const std::u16string&) override {
        throw ERegistryException("Registry unavailable");
    }
    std::unique_ptr<RegistryKey> OpenKeyExact(RootKey, RegistryView, const std::u16string&,
                                              bool) override {
        return nullptr;
    }
    bool DeleteKeyExact(RootKey, RegistryView, const std::u16string&) override { return false; }
};

TEST_F(ProgramTest, AnErrorThatEndsTheStartIsShownAndTheProgramReturnsZero) {
    BrokenStore broken;
    Program failing(platform.Replace(broken).Services());
    bool ran = false;
    platform.windows.whileRunning = [&](TApplication&) { ran = true; };
    EXPECT_EQ(failing.Run(), 0);
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, "Registry unavailable.");
    EXPECT_EQ(platform.messageBoxes.shown[0].flags, mb::Ok | mb::IconError);
    EXPECT_EQ(failing.Form1(), nullptr);
    EXPECT_FALSE(ran);
}

} // namespace
