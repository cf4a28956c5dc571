#include "settings/catalogue.h"

#include "settings/setting_keys.h"

namespace {

constexpr RootKey HKCU = RootKey::CurrentUser;
constexpr RootKey HKCR = RootKey::ClassesRoot;
constexpr RootKey HKLM = RootKey::LocalMachine;

// All 26 drive letters, one bit each.
constexpr std::uint32_t AllDrives = 0x3FFFFFF;

SettingRow Row(std::string control, RootKey root, const std::string& key, std::string value,
               Encoding encoding) {
    SettingRow row;
    row.control = std::move(control);
    row.root = root;
    row.key = key;
    row.value = std::move(value);
    row.encoding = encoding;
    return row;
}

SettingRow Flag(std::string control, const std::string& key, std::string value,
                std::uint32_t onValue = 1) {
    SettingRow row = Row(std::move(control), HKCU, key, std::move(value), Encoding::PolicyFlag);
    row.onValue = onValue;
    return row;
}

SettingRow Text(std::string control, RootKey root, const std::string& key, std::string value,
                std::string onText, std::string offText, Encoding encoding = Encoding::TextFlag) {
    SettingRow row = Row(std::move(control), root, key, std::move(value), encoding);
    row.onText = std::move(onText);
    row.offText = std::move(offText);
    return row;
}

SettingRow FirstByte(std::string control, RootKey root, const std::string& key, std::string value,
                     std::uint32_t onByte, std::uint32_t offByte) {
    SettingRow row =
        Row(std::move(control), root, key, std::move(value), Encoding::BinaryFirstByte);
    row.onValue = onByte;
    row.offValue = offByte;
    return row;
}

SettingRow InfoTip(std::string control, const std::string& classKey) {
    return Row(std::move(control), HKCR, classKey, "InfoTip", Encoding::InfoTip);
}

SettingRow ReadAfter(SettingRow row, std::string control) {
    row.readAfter = std::move(control);
    return row;
}

SettingRow WithSecond(SettingRow row, const std::string& key, std::string value) {
    row.secondKey = key;
    row.secondValue = std::move(value);
    return row;
}

std::vector<SettingRow> BuildCatalogue() {
    const SettingKeys& k = Keys();
    const std::string& pe = k.PoliciesExplorer;
    const std::string& ad = k.PoliciesActiveDesktop;
    const std::string& net = k.PoliciesNetwork;
    const std::string& sys = k.PoliciesSystem;
    const std::string& dos = k.PoliciesWinOldApp;
    return {
        FirstByte("LinkBox", HKCU, k.Explorer, "link", 0x00, 0x1E),

        Flag("BoxNoRun", pe, "NoRun"),
        Flag("BoxNoLogOff", pe, "NoLogOff"),
        Flag("BoxNoFavoritesMenu", pe, "NoFavoritesMenu"),
        Flag("BoxNoRecentDocsMenu", pe, "NoRecentDocsMenu"),
        Flag("BoxNoFind", pe, "NoFind"),
        Flag("BoxNoClose", pe, "NoClose"),
        Flag("BoxNoSetFolders", pe, "NoSetFolders"),
        Flag("BoxNoSetTaskbar", pe, "NoSetTaskbar"),
        Flag("BoxClearRecentDocsOnExit", pe, "ClearRecentDocsOnExit"),
        Flag("BoxNoRecentDocsHistory", pe, "NoRecentDocsHistory"),
        Flag("NoSaveSettingsBox", pe, "NoSaveSettings"),
        Flag("NoDesktopBox", pe, "NoDesktop"),
        Flag("NoNetHoodBox", pe, "NoNetHood"),
        Flag("NoAddPrinterBox", pe, "NoAddPrinter"),
        Flag("NoDeletePrinterBox", pe, "NoDeletePrinter"),
        Flag("NoStartMenuSubFoldersBox", pe, "NoStartMenuSubFolders"),
        Flag("NoPrinterTabsBox", pe, "NoPrinterTabs"),
        ReadAfter(Flag("NoDrivesBox", pe, "NoDrives", AllDrives), "NoNetHoodBox"),
        Flag("NoActiveDesktopBox", pe, "NoActiveDesktop"),
        Flag("NoActiveDesktopChangesBox", pe, "NoActiveDesktopChanges"),
        Flag("NoChangeStartMenuBox", pe, "NoChangeStartMenu"),
        Flag("NoDevMgrUpdateBox", pe, "NoDevMgrUpdate"),
        Flag("NoDriveTypeAutoRunBox", pe, "NoDriveTypeAutoRun"),
        Flag("NoEditMenuBox", pe, "NoEditMenu"),
        Flag("NoFileMenuBox", pe, "NoFileMenu"),
        Flag("NoFolderOptionsBox", pe, "NoFolderOptions"),
        Flag("NoHelpBox", pe, "NoHelp"),
        Flag("NoInternetIconBox", pe, "NoInternetIcon"),
        Flag("NoNetConnectDisconnectBox", pe, "NoNetConnectDisconnect"),
        Flag("NoTrayContextMenuBox", pe, "NoTrayContextMenu"),
        Flag("NoViewContextMenuBox", pe, "NoViewContextMenu"),
        Flag("NoSetActiveDesktopBox", pe, "NoSetActiveDesktop"),
        Flag("NoStartBannerBox", pe, "NoStartBanner"),
        Flag("EnforceShellExtensionSecurityBox", pe, "EnforceShellExtensionSecurity"),
        Flag("NoWindowsUpdateBox", pe, "NoWindowsUpdate"),

        Flag("NoAddingComponentsBox", ad, "NoAddingComponents"),
        Flag("NoDeletingComponentsBox", ad, "NoDeletingComponents"),
        Flag("NoEditingComponentsBox", ad, "NoEditingComponents"),
        Flag("NoClosingComponentsBox", ad, "NoClosingComponents"),
        Flag("NoHTMLWallPaperBox", ad, "NoHTMLWallPaper"),
        Flag("NoChangingWallPaperBox", ad, "NoChangingWallPaper"),
        Flag("NoCloseDragDropBandsBox", ad, "NoCloseDragDropBands"),
        Flag("NoMovingBandsBox", ad, "NoMovingBands"),

        Flag("NoEntireNetworkBox", net, "NoEntireNetwork"),
        Flag("NoNetSetupBox", net, "NoNetSetup"),
        Flag("NoNetSetupIDPageBox", net, "NoNetSetupIDPage"),
        Flag("NoNetSetupSecurityPageBox", net, "NoNetSetupSecurityPage"),
        Flag("NoFileSharingControlBox", net, "NoFileSharingControl"),
        Flag("NoPrintSharingControlBox", net, "NoPrintSharingControl"),
        Flag("NoWorkgroupContentsBox", net, "NoWorkgroupContents"),

        Flag("DisableRegistryToolsBox", sys, "DisableRegistryTools"),
        Flag("NoDispCPLBox", sys, "NoDispCPL"),
        Flag("NoDispBackgroundPageBox", sys, "NoDispBackgroundPage"),
        Flag("NoDispScrSavPageBox", sys, "NoDispScrSavPage"),
        Flag("NoDispAppearancePageBox", sys, "NoDispAppearancePage"),
        Flag("NoDispSettingsPageBox", sys, "NoDispSettingsPage"),
        Flag("NoSecCPLBox", sys, "NoSecCPL"),
        Flag("NoPwdPageBox", sys, "NoPwdPage"),
        Flag("NoAdminPageBox", sys, "NoAdminPage"),
        Flag("NoProfilePageBox", sys, "NoProfilePage"),
        Flag("NoDevMgrPageBox", sys, "NoDevMgrPage"),
        Flag("NoConfigPageBox", sys, "NoConfigPage"),
        Flag("NoFileSysPageBox", sys, "NoFileSysPage"),
        Flag("NoVirtMemPageBox", sys, "NoVirtMemPage"),

        Flag("DisabledBox", dos, "Disabled"),
        Flag("NoRealModeBox", dos, "NoRealMode"),

        Row("EditMenuShowDelay", HKCU, k.Desktop, "MenuShowDelay", Encoding::TrimmedEditText),
        Text("PaintDesktopVersionBox", HKCU, k.Desktop, "PaintDesktopVersion", "1", "0"),
        Text("DragFullWindowsBox", HKCU, k.Desktop, "DragFullWindows", "1", "0"),
        Text("FontSmoothingBox", HKCU, k.Desktop, "FontSmoothing", "1", "0"),

        Text("ShellIconSizeBox", HKCU, k.WindowMetrics, "Shell Icon Size", "48", "32"),
        Text("MinAnimateBox", HKCU, k.WindowMetrics, "MinAnimate", "1", "0"),
        Text("ShellIconBPPBox", HKCU, k.WindowMetrics, "Shell Icon BPP", "16", "4"),

        FirstByte("FlexibleBinBox", HKCR, k.RecycleBinShellFolder, "Attributes", 0x70, 0x40),

        InfoTip("MyComputerEdit", k.MyComputer),
        InfoTip("MyDocumentsEdit", k.MyDocuments),
        InfoTip("NetworkEdit", k.Network),
        InfoTip("RecycleEdit", k.RecycleBin),
        InfoTip("InternetExplorerEdit", k.InternetExplorer),
        InfoTip("InternetEdit", k.Internet),
        InfoTip("PrintersEdit", k.Printers),
        InfoTip("ControlPanelEdit", k.ControlPanel),
        InfoTip("DialUpNetworkingEdit", k.DialUpNetworking),
        InfoTip("BriefcaseEdit", k.Briefcase),
        InfoTip("TasksEdit", k.Tasks),

        Text("IsShortcutBox", HKCR, k.LnkFile, "IsShortcut", "", "", Encoding::AbsenceFlag),
        Text("BMPIconBox", HKCR, k.BmpExtension, "", "%1", "PBRUSH.EXE,0", Encoding::ClassIcon),
        WithSecond(Text("DescriptiveIconsBox", HKCR, k.CplFileIcon, "", "%1", "shell32.dll,-154",
                        Encoding::PairedIcons),
                   k.DllFileIcon, ""),

        Row("RegisteredOwnerEdit", HKLM, k.CurrentVersion, "RegisteredOwner", Encoding::EditText),
        Row("RegisteredOrganizationEdit", HKLM, k.CurrentVersion, "RegisteredOrganization",
            Encoding::EditText),
        Row("InstallPathEdit", HKLM, k.Setup, "SourcePath", Encoding::EditText),
        Row("IETitleEdit", HKLM, k.InternetExplorerMain, "Window Title",
            Encoding::EditTextOrDelete),
        // "@" is a value of that name, not the key's default value.
        WithSecond(
            Text("RegDoneBox", HKLM, k.CurrentVersion, "RegDone", "1", "", Encoding::TwoPlaceText),
            k.RegWiz, "@"),
    };
}

} // namespace

const std::vector<SettingRow>& Catalogue() {
    static const std::vector<SettingRow> rows = BuildCatalogue();
    return rows;
}

bool HoldsEdit(Encoding encoding) {
    switch (encoding) {
    case Encoding::EditText:
    case Encoding::InfoTip:
    case Encoding::TrimmedEditText:
    case Encoding::EditTextOrDelete:
        return true;
    default:
        return false;
    }
}

bool OpensOwnKeys(Encoding encoding) {
    switch (encoding) {
    case Encoding::InfoTip:
    case Encoding::ClassIcon:
    case Encoding::PairedIcons:
    case Encoding::TwoPlaceText:
        return true;
    default:
        return false;
    }
}
