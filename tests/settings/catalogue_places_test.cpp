// Every setting control against the exact place of its value: root, key path, value name,
// and what ticking, unticking or typing writes there. The places are spelled out here, apart
// from the program's catalogue, so a misspelt key or value name shows.
#include "tests/settings/settings_fixture.h"

#include <optional>
#include <utility>

namespace {

using namespace paths;

struct Place {
    std::string control;
    RootKey root;
    std::string path;
    std::string name;
    // The value when ticked and when unticked; none where the value is deleted.
    std::optional<RegistryValue> on;
    std::optional<RegistryValue> off;
};

void AddFlags(std::vector<Place>& places, const std::string& path,
              std::initializer_list<std::pair<const char*, const char*>> rows) {
    for (auto [control, name] : rows)
        places.push_back({control, HKCU, path, name, Dword(1), std::nullopt});
}

std::vector<Place> BoxPlaces() {
    std::vector<Place> p;
    AddFlags(p, PoliciesExplorer,
             {{"BoxNoRun", "NoRun"},
              {"BoxNoLogOff", "NoLogOff"},
              {"BoxNoFavoritesMenu", "NoFavoritesMenu"},
              {"BoxNoRecentDocsMenu", "NoRecentDocsMenu"},
              {"BoxNoFind", "NoFind"},
              {"BoxNoClose", "NoClose"},
              {"BoxNoSetFolders", "NoSetFolders"},
              {"BoxNoSetTaskbar", "NoSetTaskbar"},
              {"BoxClearRecentDocsOnExit", "ClearRecentDocsOnExit"},
              {"BoxNoRecentDocsHistory", "NoRecentDocsHistory"},
              {"NoSaveSettingsBox", "NoSaveSettings"},
              {"NoDesktopBox", "NoDesktop"},
              {"NoNetHoodBox", "NoNetHood"},
              {"NoAddPrinterBox", "NoAddPrinter"},
              {"NoDeletePrinterBox", "NoDeletePrinter"},
              {"NoStartMenuSubFoldersBox", "NoStartMenuSubFolders"},
              {"NoPrinterTabsBox", "NoPrinterTabs"},
              {"NoActiveDesktopBox", "NoActiveDesktop"},
              {"NoActiveDesktopChangesBox", "NoActiveDesktopChanges"},
              {"NoChangeStartMenuBox", "NoChangeStartMenu"},
              {"NoDevMgrUpdateBox", "NoDevMgrUpdate"},
              {"NoDriveTypeAutoRunBox", "NoDriveTypeAutoRun"},
              {"NoEditMenuBox", "NoEditMenu"},
              {"NoFileMenuBox", "NoFileMenu"},
              {"NoFolderOptionsBox", "NoFolderOptions"},
              {"NoHelpBox", "NoHelp"},
              {"NoInternetIconBox", "NoInternetIcon"},
              {"NoNetConnectDisconnectBox", "NoNetConnectDisconnect"},
              {"NoTrayContextMenuBox", "NoTrayContextMenu"},
              {"NoViewContextMenuBox", "NoViewContextMenu"},
              {"NoSetActiveDesktopBox", "NoSetActiveDesktop"},
              {"NoStartBannerBox", "NoStartBanner"},
              {"EnforceShellExtensionSecurityBox", "EnforceShellExtensionSecurity"},
              {"NoWindowsUpdateBox", "NoWindowsUpdate"}});
    p.push_back({"NoDrivesBox", HKCU, PoliciesExplorer, "NoDrives", Dword(67108863), std::nullopt});
    AddFlags(p, ActiveDesktop,
             {{"NoAddingComponentsBox", "NoAddingComponents"},
              {"NoDeletingComponentsBox", "NoDeletingComponents"},
              {"NoEditingComponentsBox", "NoEditingComponents"},
              {"NoClosingComponentsBox", "NoClosingComponents"},
              {"NoHTMLWallPaperBox", "NoHTMLWallPaper"},
              {"NoChangingWallPaperBox", "NoChangingWallPaper"},
              {"NoCloseDragDropBandsBox", "NoCloseDragDropBands"},
              {"NoMovingBandsBox", "NoMovingBands"}});
    AddFlags(p, Network,
             {{"NoEntireNetworkBox", "NoEntireNetwork"},
              {"NoNetSetupBox", "NoNetSetup"},
              {"NoNetSetupIDPageBox", "NoNetSetupIDPage"},
              {"NoNetSetupSecurityPageBox", "NoNetSetupSecurityPage"},
              {"NoFileSharingControlBox", "NoFileSharingControl"},
              {"NoPrintSharingControlBox", "NoPrintSharingControl"},
              {"NoWorkgroupContentsBox", "NoWorkgroupContents"}});
    AddFlags(p, System,
             {{"DisableRegistryToolsBox", "DisableRegistryTools"},
              {"NoDispCPLBox", "NoDispCPL"},
              {"NoDispBackgroundPageBox", "NoDispBackgroundPage"},
              {"NoDispScrSavPageBox", "NoDispScrSavPage"},
              {"NoDispAppearancePageBox", "NoDispAppearancePage"},
              {"NoDispSettingsPageBox", "NoDispSettingsPage"},
              {"NoSecCPLBox", "NoSecCPL"},
              {"NoPwdPageBox", "NoPwdPage"},
              {"NoAdminPageBox", "NoAdminPage"},
              {"NoProfilePageBox", "NoProfilePage"},
              {"NoDevMgrPageBox", "NoDevMgrPage"},
              {"NoConfigPageBox", "NoConfigPage"},
              {"NoFileSysPageBox", "NoFileSysPage"},
              {"NoVirtMemPageBox", "NoVirtMemPage"}});
    AddFlags(p, WinOldApp, {{"DisabledBox", "Disabled"}, {"NoRealModeBox", "NoRealMode"}});

    auto text = [&](const char* control, RootKey root, const std::string& path, const char* name,
                    const char* on, const char* off) {
        p.push_back({control, root, path, name, Sz(on), Sz(off)});
    };
    text("PaintDesktopVersionBox", HKCU, Desktop, "PaintDesktopVersion", "1", "0");
    text("DragFullWindowsBox", HKCU, Desktop, "DragFullWindows", "1", "0");
    text("FontSmoothingBox", HKCU, Desktop, "FontSmoothing", "1", "0");
    text("ShellIconSizeBox", HKCU, WindowMetrics, "Shell Icon Size", "48", "32");
    text("MinAnimateBox", HKCU, WindowMetrics, "MinAnimate", "1", "0");
    text("ShellIconBPPBox", HKCU, WindowMetrics, "Shell Icon BPP", "16", "4");
    // The bitmap class is the one that ".bmp" names (seeded by the test).
    text("BMPIconBox", HKCR, "Paint.Picture\\DefaultIcon", "", "%1", "PBRUSH.EXE,0");
    text("DescriptiveIconsBox", HKCR, "cplfile\\DefaultIcon", "", "%1", "shell32.dll,-154");
    text("DescriptiveIconsBox", HKCR, "dllfile\\DefaultIcon", "", "%1", "shell32.dll,-154");
    text("RegDoneBox", HKLM, CurrentVersion, "RegDone", "1", "");
    text("RegDoneBox", HKLM, RegWiz, "@", "1", "");
    p.push_back({"IsShortcutBox", HKCR, "lnkfile", "IsShortcut", std::nullopt, Sz("")});
    p.push_back({"LinkBox", HKCU, Explorer, "link", Bin({0x00, 0x11, 0x22, 0x33}),
                 Bin({0x1E, 0x11, 0x22, 0x33})});
    p.push_back({"FlexibleBinBox", HKCR, ShellFolder, "Attributes", Bin({0x70, 0x01, 0x00, 0x20}),
                 Bin({0x40, 0x01, 0x00, 0x20})});
    return p;
}

struct EditPlace {
    std::string control;
    RootKey root;
    std::string path;
    std::string name;
};

std::vector<EditPlace> EditPlaces() {
    std::vector<EditPlace> p = {
        {"EditMenuShowDelay", HKCU, Desktop, "MenuShowDelay"},
        {"RegisteredOwnerEdit", HKLM, CurrentVersion, "RegisteredOwner"},
        {"RegisteredOrganizationEdit", HKLM, CurrentVersion, "RegisteredOrganization"},
        {"InstallPathEdit", HKLM, Setup, "SourcePath"},
        {"IETitleEdit", HKLM, IEMain, "Window Title"},
    };
    const std::pair<const char*, const char*> tips[] = {
        {"MyComputerEdit", "{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
        {"MyDocumentsEdit", "{450D8FBA-AD25-11D0-98A8-0800361B1103}"},
        {"NetworkEdit", "{208D2C60-3AEA-1069-A2D7-08002B30309D}"},
        {"RecycleEdit", "{645FF040-5081-101B-9F08-00AA002F954E}"},
        {"InternetExplorerEdit", "{871C5380-42A0-1069-A2EA-08002B30309D}"},
        {"InternetEdit", "{3DC7A020-0ACD-11CF-A9BB-00AA004AE837}"},
        {"PrintersEdit", "{2227A280-3AEA-1069-A2DE-08002B30309D}"},
        {"ControlPanelEdit", "{21EC2020-3AEA-1069-A2DD-08002B30309D}"},
        {"DialUpNetworkingEdit", "{992CFFA0-F557-101A-88EC-00DD010CCC48}"},
        {"BriefcaseEdit", "{85BBD920-42A0-1069-A2E4-08002B30309D}"},
        {"TasksEdit", "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"},
    };
    for (auto [control, clsid] : tips)
        p.push_back({control, HKCR, std::string("CLSID\\") + clsid, "InfoTip"});
    return p;
}

class CataloguePlacesTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        Put(HKCR, ".bmp", "", Sz("Paint.Picture"));
        for (const Place& place : BoxPlaces())
            if (place.off)
                Put(place.root, place.path, place.name, *place.off);
        Read();
        // Apply creates the keys of the rows; let that happen before the store is compared.
        ApplyNow();
    }

    void SetEveryBox(bool ticked) {
        for (const Place& place : BoxPlaces())
            Box(place.control).SetChecked(ticked);
    }
    std::vector<std::string> Lines(bool ticked) {
        std::vector<std::string> lines;
        for (const Place& place : BoxPlaces())
            lines.push_back(
                ValueLine(place.root, place.path, place.name, ticked ? place.on : place.off));
        return lines;
    }
};

TEST_F(CataloguePlacesTest, EveryBoxIsReadFromItsPlace) {
    for (const Place& place : BoxPlaces())
        EXPECT_FALSE(Box(place.control).Checked()) << place.control;
    for (const Place& place : BoxPlaces()) {
        if (place.on)
            Put(place.root, place.path, place.name, *place.on);
        else
            Remove(place.root, place.path, place.name);
    }
    Read();
    for (const Place& place : BoxPlaces())
        EXPECT_TRUE(Box(place.control).Checked()) << place.control;
}

TEST_F(CataloguePlacesTest, TickingAndUntickingEveryBoxWritesEveryPlace) {
    auto before = platform.registry.Snapshot();
    SetEveryBox(true);
    Apply();
    ExpectChangesSince(before, Lines(true));
    for (const Place& place : BoxPlaces()) {
        EXPECT_TRUE(Box(place.control).Checked()) << place.control;
        EXPECT_FALSE(Marked(place.control));
    }

    before = platform.registry.Snapshot();
    SetEveryBox(false);
    Apply();
    ExpectChangesSince(before, Lines(false));
}

TEST_F(CataloguePlacesTest, TypingIntoEveryEditWritesItsPlace) {
    auto before = platform.registry.Snapshot();
    std::vector<std::string> expected;
    for (const EditPlace& place : EditPlaces()) {
        Type(place.control, "42");
        expected.push_back(ValueLine(place.root, place.path, place.name, Sz("42")));
    }
    Apply();
    ExpectChangesSince(before, expected);

    for (const EditPlace& place : EditPlaces()) {
        Put(place.root, place.path, place.name, Sz(Cp1250("żółw")));
        Edit(place.control).SetText("stale");
    }
    Read();
    for (const EditPlace& place : EditPlaces())
        EXPECT_EQ(Edit(place.control).Text(), Cp1250("żółw")) << place.control;
}

} // namespace
