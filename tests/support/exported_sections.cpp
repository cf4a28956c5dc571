#include "tests/support/exported_sections.h"

#include <sstream>

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

const std::vector<std::string>& ExportedSections() {
    static const std::vector<std::string> sections = Words(
        "Label15 SaveProfileButton CloseButton OdczytajButton ZastosujButton OpenProfileButton "
        "SaveStrings MenuStart MenuShowDelayPanel Label1MenuShowDelay Label2MenuShowDelay BoxNoRun "
        "BoxNoLogOff BoxNoFavoritesMenu BoxNoRecentDocsMenu BoxNoFind BoxNoClose BoxNoSetFolders "
        "BoxNoSetTaskbar BoxClearRecentDocsOnExit BoxNoRecentDocsHistory NoStartMenuSubFoldersBox "
        "NoHelpBox NoSetActiveDesktopBox NoChangeStartMenuBox NoEditMenuBox Pulpit "
        "PaintDesktopVersionBox NoSaveSettingsBox FlexibleBinBox NoDesktopBox DragFullWindowsBox "
        "FontSmoothingBox MinAnimateBox ShellIconBPPBox ShellIconSizeBox NoInternetIconBox "
        "NoNetHoodBox NoAddingComponentsBox NoDeletingComponentsBox NoEditingComponentsBox "
        "NoClosingComponentsBox NoHTMLWallPaperBox NoChangingWallPaperBox NoActiveDesktopBox "
        "NoActiveDesktopChangesBox Eksplorator LinkBox IsShortcutBox BMPIconBox "
        "DescriptiveIconsBox NoFileMenuBox NoFolderOptionsBox NoNetConnectDisconnectBox "
        "NoDrivesBox NoEntireNetworkBox NoWorkgroupContentsBox Ograniczenia "
        "DisableRegistryToolsBox GroupBox4 NoNetSetupBox NoNetSetupIDPageBox "
        "NoNetSetupSecurityPageBox NoFileSharingControlBox NoPrintSharingControlBox DisabledBox "
        "NoRealModeBox NoDriveTypeAutoRunBox NoTrayContextMenuBox NoViewContextMenuBox "
        "NoStartBannerBox EnforceShellExtensionSecurityBox NoCloseDragDropBandsBox "
        "NoMovingBandsBox GroupBox6 NoDevMgrUpdateBox NoWindowsUpdateBox RegDoneBox Ograniczenia2 "
        "GroupBox1 NoDevMgrPageBox NoConfigPageBox NoFileSysPageBox NoVirtMemPageBox GroupBox3 "
        "NoDispCPLBox NoDispBackgroundPageBox NoDispScrSavPageBox NoDispAppearancePageBox "
        "NoDispSettingsPageBox GroupBox2 NoSecCPLBox NoPwdPageBox NoAdminPageBox NoProfilePageBox "
        "GroupBox5 NoPrinterTabsBox NoAddPrinterBox NoDeletePrinterBox Podpowiedzi MyComputerPanel "
        "LabelMyComputer MyDocumentsPanel Label7 NetworkPanel Label4 RecyclePanel Label3 "
        "InternetExplorerPanel Label9 InternetPanel Label8 PrintersPanel Label6 ControlPanelPanel "
        "Label5 DialUpNetworkingPanel Label11 BriefcasePanel Label10 TasksPanel Label12 System "
        "RegisteredOwnerPanel Label13 RegisteredOrganizationPanel Label14 InstallPathPanel Label16 "
        "IETitlePanel Label18 Ikony DisplayDialogButton DefaultButton RCIButton IconsListBox "
        "AddRemove UninstallButton RemoveButton OProgramie Label19 Panel1 Panel3 Label1 Label2 "
        "WebPageLabel Label17 GroupBox7 PasswordBox Panel2 LabelHint");
    return sections;
}
