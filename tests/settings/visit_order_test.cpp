// The order in which Read and Apply visit the keys and, inside a key, the values: one key
// open at a time, in the order of the settings' groups.
#include "settings/change_tracker.h"
#include "tests/settings/recorded_settings.h"
#include "tests/settings/settings_fixture.h"

namespace {

using namespace paths;

const char* const InfoTipClasses[] = {
    "{20D04FE0-3AEA-1069-A2D8-08002B30309D}", "{450D8FBA-AD25-11D0-98A8-0800361B1103}",
    "{208D2C60-3AEA-1069-A2D7-08002B30309D}", "{645FF040-5081-101B-9F08-00AA002F954E}",
    "{871C5380-42A0-1069-A2EA-08002B30309D}", "{3DC7A020-0ACD-11CF-A9BB-00AA004AE837}",
    "{2227A280-3AEA-1069-A2DE-08002B30309D}", "{21EC2020-3AEA-1069-A2DD-08002B30309D}",
    "{992CFFA0-F557-101A-88EC-00DD010CCC48}", "{85BBD920-42A0-1069-A2E4-08002B30309D}",
    "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}"};

// The keys in the order of both walks; `how` is "open" or "create". Keys that Apply opens
// only for a marked row are given by the caller.
std::vector<std::string> Visits(const std::string& how, const std::string& bitmapClassIcon,
                                bool iconPair, bool regWiz) {
    auto line = [&](RootKey root, const std::string& path) {
        return how + " " + KeyLine(root, path);
    };
    std::vector<std::string> v;
    for (const std::string* path : {&Explorer, &PoliciesExplorer, &ActiveDesktop, &Network, &System,
                                    &WinOldApp, &Desktop, &WindowMetrics})
        v.push_back(line(HKCU, *path));
    v.push_back(line(HKCR, ShellFolder));
    for (const char* clsid : InfoTipClasses)
        v.push_back(line(HKCR, std::string("CLSID\\") + clsid));
    v.push_back(line(HKCR, "lnkfile"));
    v.push_back(line(HKCR, ".bmp"));
    if (!bitmapClassIcon.empty())
        v.push_back(line(HKCR, bitmapClassIcon));
    if (iconPair) {
        v.push_back(line(HKCR, "cplfile\\DefaultIcon"));
        v.push_back(line(HKCR, "dllfile\\DefaultIcon"));
    }
    for (const std::string* path : {&CurrentVersion, &Setup, &IEMain, &CurrentVersion})
        v.push_back(line(HKLM, *path));
    if (regWiz)
        v.push_back(line(HKLM, RegWiz));
    return v;
}

// The policy values of Explorer, in Apply's order.
const std::vector<std::string> ExplorerPolicies = {"NoRun",
                                                   "NoLogOff",
                                                   "NoFavoritesMenu",
                                                   "NoRecentDocsMenu",
                                                   "NoFind",
                                                   "NoClose",
                                                   "NoSetFolders",
                                                   "NoSetTaskbar",
                                                   "ClearRecentDocsOnExit",
                                                   "NoRecentDocsHistory",
                                                   "NoSaveSettings",
                                                   "NoDesktop",
                                                   "NoNetHood",
                                                   "NoAddPrinter",
                                                   "NoDeletePrinter",
                                                   "NoStartMenuSubFolders",
                                                   "NoPrinterTabs",
                                                   "NoDrives",
                                                   "NoActiveDesktop",
                                                   "NoActiveDesktopChanges",
                                                   "NoChangeStartMenu",
                                                   "NoDevMgrUpdate",
                                                   "NoDriveTypeAutoRun",
                                                   "NoEditMenu",
                                                   "NoFileMenu",
                                                   "NoFolderOptions",
                                                   "NoHelp",
                                                   "NoInternetIcon",
                                                   "NoNetConnectDisconnect",
                                                   "NoTrayContextMenu",
                                                   "NoViewContextMenu",
                                                   "NoSetActiveDesktop",
                                                   "NoStartBanner",
                                                   "EnforceShellExtensionSecurity",
                                                   "NoWindowsUpdate"};

// The visits of Apply itself: after the undo journal has looked at the keys (it opens,
// never creates) and before the final Read opens them again.
std::vector<std::string> ApplyVisits(const std::vector<std::string>& log) {
    std::vector<std::string> visits = KeyVisits(log);
    auto isOpen = [](const std::string& v) { return v.rfind("open ", 0) == 0; };
    auto writes = std::find_if_not(visits.begin(), visits.end(), isOpen);
    auto read = std::find_if(writes, visits.end(), isOpen);
    return {writes, read};
}

class VisitOrderTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        Put(HKCR, ".bmp", "", Sz("Paint.Picture"));
        for (const std::string& name : ExplorerPolicies)
            Put(HKCU, PoliciesExplorer, name, Dword(0));
        recorded = std::make_unique<RecordedSettings>(platform, *form, form->Changes());
    }
    std::vector<std::string>& Log() { return recorded->store.log; }

    std::unique_ptr<RecordedSettings> recorded;
};

TEST_F(VisitOrderTest, ReadOpensTheKeysInItsOrderWithoutCreatingAny) {
    recorded->settings.OdczytajButtonClick(nullptr);
    EXPECT_EQ(KeyVisits(Log()), Visits("open", "Paint.Picture\\DefaultIcon", true, true));
}

TEST_F(VisitOrderTest, ReadLeavesOutTheSecondPlaceOfATickedRegDone) {
    Put(HKLM, CurrentVersion, "RegDone", Sz("1"));
    recorded->settings.OdczytajButtonClick(nullptr);
    EXPECT_EQ(KeyVisits(Log()), Visits("open", "Paint.Picture\\DefaultIcon", true, false));
}

TEST_F(VisitOrderTest, ReadAsksForNoDrivesRightAfterNoNetHood) {
    recorded->settings.OdczytajButtonClick(nullptr);
    std::vector<std::string> expected = ExplorerPolicies;
    expected.erase(std::find(expected.begin(), expected.end(), "NoDrives"));
    expected.insert(std::find(expected.begin(), expected.end(), "NoNetHood") + 1, "NoDrives");
    EXPECT_EQ(ValuesTouched(Log(), "open " + KeyLine(HKCU, PoliciesExplorer), "query"), expected);
}

TEST_F(VisitOrderTest, ApplyCreatesTheKeysOfEveryGroupAndTheMarkedOnesOnly) {
    recorded->settings.ZastosujButtonClick(nullptr);
    EXPECT_EQ(ApplyVisits(Log()), Visits("create", "", false, true));
}

TEST_F(VisitOrderTest, ApplyOpensTheIconKeysOfMarkedRows) {
    Click("BMPIconBox");
    Click("DescriptiveIconsBox");
    recorded->settings.ZastosujButtonClick(nullptr);
    EXPECT_EQ(ApplyVisits(Log()), Visits("create", "Paint.Picture\\DefaultIcon", true, true));
}

TEST_F(VisitOrderTest, ApplyWritesTheExplorerPoliciesInTheirOrder) {
    for (const std::string& name : ExplorerPolicies)
        Put(HKCU, PoliciesExplorer, name, Dword(name == "NoDrives" ? 0x3FFFFFF : 1));
    Read();
    for (TComponent* c : form->Components())
        if (auto* box = dynamic_cast<TCheckBox*>(c); box && box->Checked())
            box->SetChecked(false);
    recorded->settings.ZastosujButtonClick(nullptr);
    EXPECT_EQ(ValuesTouched(Log(), "create " + KeyLine(HKCU, PoliciesExplorer), "delete"),
              ExplorerPolicies);
}

} // namespace
