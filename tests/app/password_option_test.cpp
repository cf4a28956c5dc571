// The access-password option on the "O programie" tab: Read shows what is stored, typing
// marks PasswordBox, and Apply stores the text or removes the program's key.
#include "app/password_option.h"
#include "platform/check_box.h"
#include "platform/edit.h"
#include "settings/change_tracker.h"
#include "settings/settings.h"
#include "tests/support/main_window_fixture.h"

#include <optional>

namespace {

constexpr RootKey HKLM = RootKey::LocalMachine;
const std::string ProgramKey = "Software\\SRVT\\SRVT";
const std::string ParentKey = "Software\\SRVT";

class PasswordOptionTest : public MainWindowTest {
protected:
    void Store(const RegistryValue& value) {
        platform.registry.Put(HKLM, ProgramKey, "Password", value);
    }
    std::optional<RegistryValue> Stored() {
        return platform.registry.Get(HKLM, ProgramKey, "Password");
    }
    TCheckBox& Box() const { return Get<TCheckBox>("PasswordBox"); }
    TEdit& Edit() const { return Get<TEdit>("PasswordEdit"); }
    bool Marked() const {
        bool tagged = Box().Tag() == 1;
        EXPECT_EQ(Box().Font().Color(), tagged ? clBlue : clWindowText);
        return tagged;
    }
    int Count() const { return form->Changes().ChangeCount(); }
    bool ApplyEnabled() const { return Get<TControl>("ZastosujButton").Enabled(); }
    // The user presses "&Odczytaj" / "&Zastosuj"; an error goes to the error box, as the
    // event loop shows it.
    void Read() { Press("OdczytajButton"); }
    void Apply() { Press("ZastosujButton"); }

private:
    void Press(std::string_view button) {
        try {
            Click(button);
        } catch (const std::exception& e) {
            app->HandleException(e);
        }
    }
};

struct ReadCase {
    const char* name;
    bool keyExists;
    std::optional<RegistryValue> value;
    bool ticked;
    std::string text;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

// Before each Read the user has ticked the box and typed "old".
const ReadCase ReadCases[] = {
    {"Text", true, RegistryValue::String("tajne"), true, "tajne"},
    {"EmptyString", true, RegistryValue::String(""), true, ""},
    {"KeyWithoutValue", true, std::nullopt, false, "old"},
    {"Dword", true, RegistryValue::DWord(1), false, "old"},
    {"Binary", true, RegistryValue::Binary("tajne"), false, "old"},
    {"ExpandString", true, RegistryValue::ExpandString("tajne"), false, "old"},
    // Without the key neither control is touched.
    {"NoKey", false, std::nullopt, true, "old"},
};

class ReadPasswordTest : public PasswordOptionTest,
                         public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadPasswordTest, ReadShowsAStoredStringAndNothingElse) {
    const ReadCase& c = GetParam();
    OpenWindow();
    Click("PasswordBox");
    Type("PasswordEdit", "old");
    if (c.keyExists)
        platform.registry.OpenKey(HKLM, ProgramKey, true);
    if (c.value)
        Store(*c.value);
    Read();
    EXPECT_EQ(Box().Checked(), c.ticked);
    EXPECT_EQ(Edit().Visible(), c.ticked);
    EXPECT_EQ(Edit().Text(), c.text);
    EXPECT_FALSE(Marked());
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(ApplyEnabled());
}

INSTANTIATE_TEST_SUITE_P(Stored, ReadPasswordTest, ::testing::ValuesIn(ReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PasswordOptionTest, TickingTypingAndApplyingSetsThePassword) {
    OpenWindow();
    Click("PasswordBox");
    Type("PasswordEdit", Cp1250("Hasło 1"));
    Apply();
    EXPECT_EQ(Stored(), RegistryValue::String(Cp1250("Hasło 1")));
    EXPECT_TRUE(Box().Checked());
    EXPECT_FALSE(Marked());
    EXPECT_EQ(Count(), 0);
}

TEST_F(PasswordOptionTest, TickingAloneStoresAnEmptyPassword) {
    OpenWindow();
    Click("PasswordBox");
    Apply();
    EXPECT_EQ(Stored(), RegistryValue::String(""));
}

TEST_F(PasswordOptionTest, EachKeystrokeCountsAndEditingChangesThePassword) {
    Store(RegistryValue::String("stare"));
    OpenWindow();
    ASSERT_EQ(Edit().Text(), "stare");
    Type("PasswordEdit", "\b");
    EXPECT_TRUE(Marked());
    EXPECT_EQ(Count(), 1);
    EXPECT_TRUE(ApplyEnabled());
    // The mark is set, not toggled, by every keystroke.
    Type("PasswordEdit", "x");
    EXPECT_TRUE(Marked());
    EXPECT_EQ(Count(), 2);
    Type("PasswordEdit", "y");
    EXPECT_EQ(Count(), 3);
    Apply();
    EXPECT_EQ(Stored(), RegistryValue::String("starxy"));
}

TEST_F(PasswordOptionTest, UntickingAfterTypingUnmarksAndApplyKeepsThePassword) {
    Store(RegistryValue::String("stare"));
    OpenWindow();
    Type("PasswordEdit", "abc");
    Click("PasswordBox");
    EXPECT_FALSE(Marked());
    EXPECT_EQ(Count(), 2);
    EXPECT_TRUE(ApplyEnabled());
    Apply();
    EXPECT_EQ(Stored(), RegistryValue::String("stare"));
    // Read shows what is stored again.
    EXPECT_TRUE(Box().Checked());
    EXPECT_EQ(Edit().Text(), "stare");
}

TEST_F(PasswordOptionTest, RemovingDeletesTheProgramsKeyWithEverythingUnderIt) {
    Store(RegistryValue::String("tajne"));
    platform.registry.Put(HKLM, ParentKey + "\\Inne", "x", RegistryValue::String("1"));
    platform.registry.Put(HKLM, ParentKey, "y", RegistryValue::DWord(2));
    OpenWindow();
    Click("PasswordBox");
    Apply();
    EXPECT_FALSE(platform.registry.KeyExists(HKLM, ParentKey));
    EXPECT_TRUE(platform.registry.KeyExists(HKLM, "Software"));
    EXPECT_TRUE(platform.messageBoxes.shown.empty());
}

TEST_F(PasswordOptionTest, AfterRemovalTheHiddenEditKeepsItsTextForTheNextTick) {
    Store(RegistryValue::String("tajne"));
    OpenWindow();
    Click("PasswordBox");
    Apply();
    Read();
    EXPECT_FALSE(Box().Checked());
    EXPECT_FALSE(Edit().Visible());
    EXPECT_EQ(Edit().Text(), "tajne");
    Click("PasswordBox");
    EXPECT_TRUE(Edit().Visible());
    EXPECT_EQ(Edit().Text(), "tajne");
    Apply();
    EXPECT_EQ(Stored(), RegistryValue::String("tajne"));
}

TEST_F(PasswordOptionTest, AnUnmarkedBoxLeavesWhatAnotherProgramStored) {
    // Ticked with "tajne" on the screen while another program stores "nowe".
    Store(RegistryValue::String("tajne"));
    OpenWindow();
    Store(RegistryValue::String("nowe"));
    form->SettingsPart().ZastosujButtonClick(form);
    EXPECT_EQ(Stored(), RegistryValue::String("nowe"));
    // Unticked on the screen while another program sets a password.
    Store(RegistryValue::DWord(0));
    form->SettingsPart().OdczytajButtonClick(form);
    ASSERT_FALSE(Box().Checked());
    Store(RegistryValue::String("inne"));
    form->SettingsPart().ZastosujButtonClick(form);
    EXPECT_EQ(Stored(), RegistryValue::String("inne"));
}

TEST_F(PasswordOptionTest, AKeyThatCannotBeCreatedLeavesEverythingWithoutAWord) {
    platform.registry.RefuseWritesUnder(HKLM, ParentKey);
    OpenWindow();
    Click("PasswordBox");
    Type("PasswordEdit", "tajne");
    Apply();
    EXPECT_FALSE(platform.registry.KeyExists(HKLM, ProgramKey));
    EXPECT_TRUE(platform.messageBoxes.shown.empty());
    // Apply went on to its final Read.
    EXPECT_EQ(Count(), 0);
}

TEST_F(PasswordOptionTest, AWriteTheRegistryRefusesIsReported) {
    Store(RegistryValue::String("stare"));
    platform.registry.RefuseWritesUnder(HKLM, ProgramKey);
    OpenWindow();
    Type("PasswordEdit", "x");
    Apply();
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, "Failed to set data for 'Password'");
    EXPECT_EQ(Stored(), RegistryValue::String("stare"));
    EXPECT_TRUE(Marked());
}

TEST_F(PasswordOptionTest, TheGroupsHintSpeaksForTheOption) {
    OpenWindow();
    const std::string& hint = Get<TControl>("GroupBox7").Hint();
    EXPECT_EQ(hint, Cp1250("Zabezpiecza program hasłem, aby osoby niepowołane nie mogły go "
                           "uruchomić. Hasło przechowywane w rejestrze jest niezakodowane. "
                           "Jeśli zapomnisz hasła, musisz skasować klucz "
                           "'Software\\SRVT\\SRVT'"));
    EXPECT_EQ(Box().Hint(), "");
    EXPECT_EQ(Edit().Hint(), "");
}

} // namespace
