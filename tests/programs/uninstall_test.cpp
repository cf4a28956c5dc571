// "O&dinstaluj": the selected entry's command line, started exactly as the registry holds
// it, and the box when the entry's key has gone.
#include "tests/programs/programs_fixture.h"

namespace {

const std::string Warning = "Uwaga!";
const std::string NoUninstallPath = "W rejestrze nie istnieje ścieżka deinstalacyjna!";

using UninstallTest = ProgramsTest;

class CommandLineTest : public ProgramsTest, public testing::WithParamInterface<std::u16string> {};

TEST_P(CommandLineTest, TheCommandLineIsStartedAsStored) {
    PutProgram(Machine64, u"entry", "Program", GetParam());
    OpenWindow();
    Select(0);
    Uninstall();
    EXPECT_EQ(Started(), std::vector<std::u16string>{GetParam()});
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Items(), std::vector<std::string>{"Program"});
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineTest,
    testing::Values(u"\"C:\\Program Files\\Some Tool\\unins000.exe\" /SILENT",
                    u"%SystemRoot%\\system32\\msiexec.exe  /x {12345678-ABCD}",
                    u"C:\\Programs\\remove.exe \"%ProgramFiles%\" ", u"",
                    // Letters outside Windows-1250 reach the program unchanged.
                    u"C:\\Программы\\удалить.exe «ω»"));

TEST_F(UninstallTest, WithoutAPlainStringCommandNothingHappens) {
    PutEntry(Machine64, u"missing", Sz(u"Missing"));
    PutEntry(Machine64, u"expand", Sz(u"Expand"),
             ExactValue::Text(RegistryTypeCode::kExpandString, u"%TEMP%\\u.exe"));
    PutEntry(Machine64, u"dword", Sz(u"Number"),
             Typed(RegistryTypeCode::kDWord, std::string("\1\0\0\0", 4)));
    OpenWindow();
    for (int i = 0; i < 3; ++i) {
        Select(i);
        Uninstall();
    }
    EXPECT_TRUE(Started().empty());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(UninstallTest, AnEntryDeletedSinceTheListWasBuiltIsReportedAndStaysListed) {
    PutProgram(Machine32, u"entry", "Program", u"u.exe");
    OpenWindow();
    Select(0);
    DeleteEntry(Machine32, u"entry");

    Uninstall();

    EXPECT_EQ(Boxes(), std::vector<std::string>{BoxLine(Warning, NoUninstallPath, 0x30)});
    EXPECT_TRUE(Started().empty());
    // Uninstalling never rebuilds the list.
    EXPECT_EQ(Items(), std::vector<std::string>{"Program"});
    EXPECT_EQ(List().ItemIndex(), 0);
}

TEST_F(UninstallTest, TheBoxTakesItsTextsWhenItIsShown) {
    PutProgram(Machine64, u"entry", "Program", u"u.exe");
    OpenWindow();
    Select(0);
    DeleteEntry(Machine64, u"entry");
    texts.Set(MsgNoUninstallPath, "No path");
    texts.Set(MsgWarning, "Warning");

    Uninstall();

    EXPECT_EQ(Boxes(), std::vector<std::string>{BoxLine("Warning", "No path", 0x30)});
}

TEST_F(UninstallTest, WithNothingSelectedNeitherButtonDoesAnything) {
    PutProgram(Machine64, u"entry", "Program", u"u.exe");
    OpenWindow();
    RegistrySnapshot before = platform.registry.Snapshot();

    Uninstall();
    Remove({mb::IdYes});

    EXPECT_TRUE(Started().empty());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(platform.registry.Snapshot(), before);
}

} // namespace
