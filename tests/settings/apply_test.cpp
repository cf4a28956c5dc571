// Apply writes the marked rows and only those, creates the keys of the groups, tells the
// shell, and reads everything again.
#include "settings/change_tracker.h"
#include "tests/settings/case_names.h"
#include "tests/settings/settings_fixture.h"

namespace {

using namespace paths;

struct Seed {
    RootKey root;
    std::string path;
    std::string name;
    RegistryValue value;
};

// The user clicks the control, or types the keys into it.
struct UserStep {
    std::string control;
    std::string keys;
};

struct ApplyCase {
    const char* title;
    std::vector<Seed> seeds;
    std::vector<UserStep> steps;
    std::vector<std::string> changes;
};

void PrintTo(const ApplyCase& c, std::ostream* os) {
    *os << c.title;
}

const std::string Class = "Paint.Picture";

const ApplyCase Cases[] = {
    {"ticking NoRun",
     {},
     {{"BoxNoRun", ""}},
     {ValueLine(HKCU, PoliciesExplorer, "NoRun", Dword(1))}},
    {"ticking NoDrives",
     {},
     {{"NoDrivesBox", ""}},
     {ValueLine(HKCU, PoliciesExplorer, "NoDrives", Dword(0x3FFFFFF))}},
    {"unticking NoDrives",
     {{HKCU, PoliciesExplorer, "NoDrives", Dword(0x3FFFFFF)}},
     {{"NoDrivesBox", ""}},
     {ValueLine(HKCU, PoliciesExplorer, "NoDrives", std::nullopt)}},
    {"unticking a binary flag",
     {{HKCU, ActiveDesktop, "NoHTMLWallPaper", Bin({1})}},
     {{"NoHTMLWallPaperBox", ""}},
     {ValueLine(HKCU, ActiveDesktop, "NoHTMLWallPaper", std::nullopt)}},
    {"ticking and unticking again",
     {},
     {{"BoxNoRun", ""}, {"BoxNoRun", ""}, {"BoxNoFind", ""}},
     {ValueLine(HKCU, PoliciesExplorer, "NoFind", Dword(1))}},
    {"unticking large icons",
     {{HKCU, WindowMetrics, "Shell Icon Size", Sz("48")}},
     {{"ShellIconSizeBox", ""}},
     {ValueLine(HKCU, WindowMetrics, "Shell Icon Size", Sz("32"))}},
    {"menu delay trimmed",
     {{HKCU, Desktop, "MenuShowDelay", Sz(" 300 7")}},
     {{"EditMenuShowDelay", "\b"}},
     {ValueLine(HKCU, Desktop, "MenuShowDelay", Sz("300"))}},
    // The speed button takes no focus, so leaving the edit does not put "50" in first.
    {"menu delay cleared",
     {{HKCU, Desktop, "MenuShowDelay", Sz("400")}},
     {{"EditMenuShowDelay", "\b\b\b"}},
     {ValueLine(HKCU, Desktop, "MenuShowDelay", Sz(""))}},
    {"title emptied",
     {{HKLM, IEMain, "Window Title", Sz("Okno")}},
     {{"IETitleEdit", "\b\b\b\b"}},
     {ValueLine(HKLM, IEMain, "Window Title", std::nullopt)}},
    {"title of one space",
     {{HKLM, IEMain, "Window Title", Sz("O")}},
     {{"IETitleEdit", "\b "}},
     {ValueLine(HKLM, IEMain, "Window Title", Sz(" "))}},
    {"RegDone unticked",
     {{HKLM, CurrentVersion, "RegDone", Sz("1")}},
     {{"RegDoneBox", ""}},
     {ValueLine(HKLM, CurrentVersion, "RegDone", Sz("")), ValueLine(HKLM, RegWiz, "@", Sz(""))}},
    {"RegDone ticked",
     {},
     {{"RegDoneBox", ""}},
     {ValueLine(HKLM, CurrentVersion, "RegDone", Sz("1")), ValueLine(HKLM, RegWiz, "@", Sz("1"))}},
    {"shortcut arrow removed",
     {{HKCR, "lnkfile", "IsShortcut", Sz("")}},
     {{"IsShortcutBox", ""}},
     {ValueLine(HKCR, "lnkfile", "IsShortcut", std::nullopt)}},
    {"shortcut arrow back",
     {},
     {{"IsShortcutBox", ""}},
     {ValueLine(HKCR, "lnkfile", "IsShortcut", Sz(""))}},
    {"link keeps its other bytes",
     {{HKCU, Explorer, "link", Bin({0x1E, 0x11, 0x22, 0x33})}},
     {{"LinkBox", ""}},
     {ValueLine(HKCU, Explorer, "link", Bin({0x00, 0x11, 0x22, 0x33}))}},
    {"link missing is not created", {}, {{"LinkBox", ""}}, {}},
    {"link of 2 bytes is left alone",
     {{HKCU, Explorer, "link", Bin({0x1E, 0})}},
     {{"LinkBox", ""}},
     {}},
    {"link of 5 bytes is left alone",
     {{HKCU, Explorer, "link", Bin({0x1E, 0, 0, 0, 0})}},
     {{"LinkBox", ""}},
     {}},
    {"link as a string is left alone", {{HKCU, Explorer, "link", Sz("x")}}, {{"LinkBox", ""}}, {}},
    {"recycle bin attributes",
     {{HKCR, ShellFolder, "Attributes", Bin({0x40, 0xAA, 0xBB, 0xCC})}},
     {{"FlexibleBinBox", ""}},
     {ValueLine(HKCR, ShellFolder, "Attributes", Bin({0x70, 0xAA, 0xBB, 0xCC}))}},
    {"bitmap thumbnails",
     {{HKCR, ".bmp", "", Sz(Class)}},
     {{"BMPIconBox", ""}},
     {"+" + KeyLine(HKCR, Class), "+" + KeyLine(HKCR, Class + "\\DefaultIcon"),
      ValueLine(HKCR, Class + "\\DefaultIcon", "", Sz("%1"))}},
    {"bitmap thumbnails off",
     {{HKCR, ".bmp", "", Sz(Class)}, {HKCR, Class + "\\DefaultIcon", "", Sz("%1")}},
     {{"BMPIconBox", ""}},
     {ValueLine(HKCR, Class + "\\DefaultIcon", "", Sz("PBRUSH.EXE,0"))}},
    {"bitmap class unnamed", {}, {{"BMPIconBox", ""}}, {}},
    {"bitmap class not a string", {{HKCR, ".bmp", "", Dword(1)}}, {{"BMPIconBox", ""}}, {}},
    {"descriptive icons",
     {},
     {{"DescriptiveIconsBox", ""}},
     {"+" + KeyLine(HKCR, "cplfile"), "+" + KeyLine(HKCR, "cplfile\\DefaultIcon"),
      ValueLine(HKCR, "cplfile\\DefaultIcon", "", Sz("%1")), "+" + KeyLine(HKCR, "dllfile"),
      "+" + KeyLine(HKCR, "dllfile\\DefaultIcon"),
      ValueLine(HKCR, "dllfile\\DefaultIcon", "", Sz("%1"))}},
    {"an info tip",
     {},
     {{"MyComputerEdit", "Tu"}},
     {ValueLine(HKCR, MyComputer, "InfoTip", Sz("Tu"))}},
    // Typed and deleted again: still marked, so the unchanged (empty) text is written.
    {"an info tip typed back",
     {},
     {{"MyComputerEdit", "x\b"}},
     {ValueLine(HKCR, MyComputer, "InfoTip", Sz(""))}},
    {"owner and path",
     {},
     {{"RegisteredOwnerEdit", Cp1250("Łucja")}, {"InstallPathEdit", "C:\\"}},
     {ValueLine(HKLM, CurrentVersion, "RegisteredOwner", Sz(Cp1250("Łucja"))),
      ValueLine(HKLM, Setup, "SourcePath", Sz("C:\\"))}},
};

class ApplyOnlyMarkedTest : public SettingsTest, public ::testing::WithParamInterface<ApplyCase> {};

// Unmarked controls whose state differs from the registry's are left alone: the whole store
// is compared, so any write beyond the case's own shows.
TEST_P(ApplyOnlyMarkedTest, WritesExactlyTheMarkedRows) {
    const ApplyCase& c = GetParam();
    for (const Seed& s : c.seeds)
        Put(s.root, s.path, s.name, s.value);
    Read();
    ApplyNow();
    // Controls that differ from the registry without a mark, as a Read of a missing key
    // leaves them.
    form->Changes().SetReadInProgress(true);
    Box("NoSaveSettingsBox").SetChecked(true);
    Edit("TasksEdit").SetText("not typed");
    form->Changes().SetReadInProgress(false);
    auto before = platform.registry.Snapshot();
    for (const UserStep& step : c.steps) {
        if (step.keys.empty())
            Click(step.control);
        else
            Type(step.control, step.keys);
    }
    ASSERT_TRUE(ApplyEnabled());
    Apply();
    ExpectChangesSince(before, c.changes);
    EXPECT_TRUE(platform.messageBoxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, ApplyOnlyMarkedTest, ::testing::ValuesIn(Cases), TitleName());

using ApplyTest = SettingsTest;

TEST_F(ApplyTest, CreatesTheKeysOfTheGroupsEmptyWhenNothingIsMarked) {
    auto before = platform.registry.Snapshot();
    ApplyNow();
    std::vector<std::string> expected;
    auto add = [&](RootKey root, const std::string& path) {
        std::string walked;
        for (std::size_t at = 0; at != std::string::npos;) {
            at = path.find('\\', at + 1);
            walked = path.substr(0, at);
            std::string line = "+" + KeyLine(root, walked);
            if (std::find(expected.begin(), expected.end(), line) == expected.end())
                expected.push_back(line);
        }
    };
    for (const std::string* path : {&Explorer, &PoliciesExplorer, &ActiveDesktop, &Network, &System,
                                    &WinOldApp, &WindowMetrics})
        add(HKCU, *path);
    expected.push_back("+hkcr");
    add(HKCR, ShellFolder);
    for (const char* clsid :
         {"{20D04FE0-3AEA-1069-A2D8-08002B30309D}", "{450D8FBA-AD25-11D0-98A8-0800361B1103}",
          "{208D2C60-3AEA-1069-A2D7-08002B30309D}", "{871C5380-42A0-1069-A2EA-08002B30309D}",
          "{3DC7A020-0ACD-11CF-A9BB-00AA004AE837}", "{2227A280-3AEA-1069-A2DE-08002B30309D}",
          "{21EC2020-3AEA-1069-A2DD-08002B30309D}", "{992CFFA0-F557-101A-88EC-00DD010CCC48}",
          "{85BBD920-42A0-1069-A2E4-08002B30309D}", "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"})
        add(HKCR, std::string("CLSID\\") + clsid);
    add(HKCR, "lnkfile");
    add(HKCR, ".bmp");
    add(HKLM, paths::Setup);
    add(HKLM, RegWiz);
    add(HKLM, IEMain);
    ExpectChangesSince(before, expected);
}

TEST_F(ApplyTest, AnUnmarkedRecycleBinBoxLeavesItsAttributes) {
    Put(HKCR, ShellFolder, "Attributes", Bin({0x40, 1, 2, 3}));
    ApplyNow();
    form->Changes().SetReadInProgress(true);
    Box("FlexibleBinBox").SetChecked(true);
    form->Changes().SetReadInProgress(false);
    Click("BoxNoRun");
    auto before = platform.registry.Snapshot();
    Apply();
    ExpectChangesSince(before, {ValueLine(HKCU, PoliciesExplorer, "NoRun", Dword(1))});
}

TEST_F(ApplyTest, TellsTheShellOfImagesThenAssociationsAndReadsAgain) {
    Put(HKCU, PoliciesExplorer, "NoRun", Dword(1));
    Click("BoxNoFind");
    Click("FontSmoothingBox");
    Type("MyComputerEdit", "a");
    ASSERT_EQ(Count(), 3);
    Apply();
    EXPECT_EQ(platform.shell.notifications,
              (std::vector<std::string>{"images changed", "associations changed"}));
    EXPECT_TRUE(Box("BoxNoRun").Checked());
    for (const char* control : {"BoxNoFind", "FontSmoothingBox", "MyComputerEdit"})
        EXPECT_FALSE(Marked(control)) << control;
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(ApplyEnabled());
}

} // namespace
