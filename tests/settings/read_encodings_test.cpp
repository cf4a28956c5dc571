// Read turns each encoding's registry value into the control's state: what counts as ticked,
// and what every other value (of another type, length or spelling) reads as.
#include "tests/settings/case_names.h"
#include "tests/settings/settings_fixture.h"

#include <variant>

namespace {

using namespace paths;

struct Seed {
    RootKey root;
    std::string path;
    std::string name;
    RegistryValue value;
};

struct ReadCase {
    const char* title;
    std::vector<Seed> seeds;
    const char* control;
    // A box's state, or an edit's text.
    std::variant<bool, std::string> shows;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.title;
}

const std::string Other = "Other";

const ReadCase BoxCases[] = {
    {"NoDrives all drives",
     {{HKCU, PoliciesExplorer, "NoDrives", Dword(0x3FFFFFF)}},
     "NoDrivesBox",
     true},
    {"NoDrives one drive",
     {{HKCU, PoliciesExplorer, "NoDrives", Dword(0x4)}},
     "NoDrivesBox",
     false},
    {"NoDrives 1 is not its on-value",
     {{HKCU, PoliciesExplorer, "NoDrives", Dword(1)}},
     "NoDrivesBox",
     false},
    {"NoDrives binary 01",
     {{HKCU, PoliciesExplorer, "NoDrives", Bin({1, 0, 0, 0})}},
     "NoDrivesBox",
     true},
    {"NoRun dword 1", {{HKCU, PoliciesExplorer, "NoRun", Dword(1)}}, "BoxNoRun", true},
    {"NoRun dword 0", {{HKCU, PoliciesExplorer, "NoRun", Dword(0)}}, "BoxNoRun", false},
    {"NoRun dword 2", {{HKCU, PoliciesExplorer, "NoRun", Dword(2)}}, "BoxNoRun", false},
    {"NoRun string 1", {{HKCU, PoliciesExplorer, "NoRun", Sz("1")}}, "BoxNoRun", false},
    {"NoRun one binary byte 1", {{HKCU, PoliciesExplorer, "NoRun", Bin({1})}}, "BoxNoRun", true},
    {"NoRun binary 02", {{HKCU, PoliciesExplorer, "NoRun", Bin({2, 1})}}, "BoxNoRun", false},
    {"NoRun empty binary", {{HKCU, PoliciesExplorer, "NoRun", Bin({})}}, "BoxNoRun", false},
    {"NoRun missing", {{HKCU, PoliciesExplorer, Other, Dword(1)}}, "BoxNoRun", false},
    {"NoDriveTypeAutoRun 0x95",
     {{HKCU, PoliciesExplorer, "NoDriveTypeAutoRun", Dword(0x95)}},
     "NoDriveTypeAutoRunBox",
     false},

    {"Shell Icon Size 48",
     {{HKCU, WindowMetrics, "Shell Icon Size", Sz("48")}},
     "ShellIconSizeBox",
     true},
    {"Shell Icon Size space 48",
     {{HKCU, WindowMetrics, "Shell Icon Size", Sz(" 48")}},
     "ShellIconSizeBox",
     false},
    {"Shell Icon Size 48 space",
     {{HKCU, WindowMetrics, "Shell Icon Size", Sz("48 ")}},
     "ShellIconSizeBox",
     false},
    {"Shell Icon Size dword 48",
     {{HKCU, WindowMetrics, "Shell Icon Size", Dword(48)}},
     "ShellIconSizeBox",
     false},
    {"FontSmoothing expandable 1",
     {{HKCU, Desktop, "FontSmoothing", RegistryValue::ExpandString("1")}},
     "FontSmoothingBox",
     false},

    {"link 00", {{HKCU, Explorer, "link", Bin({0, 0, 0, 0})}}, "LinkBox", true},
    {"link 1E", {{HKCU, Explorer, "link", Bin({0x1E, 0, 0, 0})}}, "LinkBox", false},
    {"link 01", {{HKCU, Explorer, "link", Bin({1, 0, 0, 0})}}, "LinkBox", false},
    {"link of 2 bytes", {{HKCU, Explorer, "link", Bin({0, 0})}}, "LinkBox", false},
    {"link of 5 bytes", {{HKCU, Explorer, "link", Bin({0, 0, 0, 0, 0})}}, "LinkBox", false},
    {"link as dword 0", {{HKCU, Explorer, "link", Dword(0)}}, "LinkBox", false},
    {"Attributes 70",
     {{HKCR, ShellFolder, "Attributes", Bin({0x70, 1, 0, 0x20})}},
     "FlexibleBinBox",
     true},
    {"Attributes 50",
     {{HKCR, ShellFolder, "Attributes", Bin({0x50, 1, 0, 0x20})}},
     "FlexibleBinBox",
     false},
    {"Attributes of 8 bytes",
     {{HKCR, ShellFolder, "Attributes", Bin({0x70, 0, 0, 0, 0, 0, 0, 0})}},
     "FlexibleBinBox",
     false},

    {"IsShortcut missing", {{HKCR, "lnkfile", Other, Sz("")}}, "IsShortcutBox", true},
    {"IsShortcut empty", {{HKCR, "lnkfile", "IsShortcut", Sz("")}}, "IsShortcutBox", false},
    {"IsShortcut any text", {{HKCR, "lnkfile", "IsShortcut", Sz("yes")}}, "IsShortcutBox", false},
    {"IsShortcut as dword", {{HKCR, "lnkfile", "IsShortcut", Dword(0)}}, "IsShortcutBox", true},

    {"bitmap class icon %1",
     {{HKCR, ".bmp", "", Sz("Paint.Picture")}, {HKCR, "Paint.Picture\\DefaultIcon", "", Sz("%1")}},
     "BMPIconBox",
     true},
    {"bitmap class icon of Paint",
     {{HKCR, ".bmp", "", Sz("Paint.Picture")},
      {HKCR, "Paint.Picture\\DefaultIcon", "", Sz("PBRUSH.EXE,0")}},
     "BMPIconBox",
     false},

    {"cpl %1 and dll shell32",
     {{HKCR, "cplfile\\DefaultIcon", "", Sz("%1")},
      {HKCR, "dllfile\\DefaultIcon", "", Sz("shell32.dll,-154")}},
     "DescriptiveIconsBox",
     false},
    {"cpl and dll %1",
     {{HKCR, "cplfile\\DefaultIcon", "", Sz("%1")}, {HKCR, "dllfile\\DefaultIcon", "", Sz("%1")}},
     "DescriptiveIconsBox",
     true},
    {"dll %1 without a cpl key",
     {{HKCR, "dllfile\\DefaultIcon", "", Sz("%1")}},
     "DescriptiveIconsBox",
     false},

    {"RegDone empty and @ 1",
     {{HKLM, CurrentVersion, "RegDone", Sz("")}, {HKLM, RegWiz, "@", Sz("1")}},
     "RegDoneBox",
     true},
    {"RegDone 1 and @ empty",
     {{HKLM, CurrentVersion, "RegDone", Sz("1")}, {HKLM, RegWiz, "@", Sz("")}},
     "RegDoneBox",
     true},
    {"both empty",
     {{HKLM, CurrentVersion, "RegDone", Sz("")}, {HKLM, RegWiz, "@", Sz("")}},
     "RegDoneBox",
     false},
    {"@ is a named value, not the default",
     {{HKLM, CurrentVersion, "RegDone", Sz("")}, {HKLM, RegWiz, "", Sz("1")}},
     "RegDoneBox",
     false},

    {"ActiveDesktop flag",
     {{HKCU, ActiveDesktop, "NoMovingBands", Dword(1)}},
     "NoMovingBandsBox",
     true},
    {"Network flag",
     {{HKCU, Network, "NoWorkgroupContents", Dword(1)}},
     "NoWorkgroupContentsBox",
     true},
    {"System flag", {{HKCU, System, "NoVirtMemPage", Dword(1)}}, "NoVirtMemPageBox", true},
    {"WinOldApp flag", {{HKCU, WinOldApp, "NoRealMode", Dword(1)}}, "NoRealModeBox", true},
};

const ReadCase EditCases[] = {
    {"MenuShowDelay string",
     {{HKCU, Desktop, "MenuShowDelay", Sz("400")}},
     "EditMenuShowDelay",
     std::string("400")},
    {"MenuShowDelay as dword",
     {{HKCU, Desktop, "MenuShowDelay", Dword(400)}},
     "EditMenuShowDelay",
     std::string()},
    {"InfoTip",
     {{HKCR, MyComputer, "InfoTip", Sz(Cp1250("Zawartość komputera"))}},
     "MyComputerEdit",
     Cp1250("Zawartość komputera")},
    {"class key without InfoTip",
     {{HKCR, MyComputer, Other, Sz("x")}},
     "MyComputerEdit",
     std::string()},
    {"InfoTip expandable",
     {{HKCR, MyComputer, "InfoTip", RegistryValue::ExpandString("x")}},
     "MyComputerEdit",
     std::string()},
    {"owner",
     {{HKLM, CurrentVersion, "RegisteredOwner", Sz("Jan Kowalski")}},
     "RegisteredOwnerEdit",
     std::string("Jan Kowalski")},
    {"source path as dword",
     {{HKLM, Setup, "SourcePath", Dword(1)}},
     "InstallPathEdit",
     std::string()},
    {"window title", {{HKLM, IEMain, "Window Title", Sz(" ")}}, "IETitleEdit", std::string(" ")},
};

class ReadEncodingTest : public SettingsTest, public ::testing::WithParamInterface<ReadCase> {};

// Each control starts in the state opposite to the one expected, so a Read that leaves it
// alone cannot pass.
TEST_P(ReadEncodingTest, ReadShowsTheRegistrysValue) {
    const ReadCase& c = GetParam();
    for (const Seed& s : c.seeds)
        Put(s.root, s.path, s.name, s.value);
    if (auto* ticked = std::get_if<bool>(&c.shows)) {
        Box(c.control).SetChecked(!*ticked);
        Read();
        EXPECT_EQ(Box(c.control).Checked(), *ticked);
    } else {
        Edit(c.control).SetText("stale");
        Read();
        EXPECT_EQ(Edit(c.control).Text(), std::get<std::string>(c.shows));
    }
    EXPECT_FALSE(Marked(c.control));
    EXPECT_EQ(Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Boxes, ReadEncodingTest, ::testing::ValuesIn(BoxCases), TitleName());
INSTANTIATE_TEST_SUITE_P(Edits, ReadEncodingTest, ::testing::ValuesIn(EditCases), TitleName());

} // namespace
