// The order in which the window creates its components is what the language files and the
// profiles rely on: the texts are exported in component order, and a profile lists each
// tab's settings in the order of the tab's controls.
#include "platform/check_box.h"
#include "platform/edit.h"
#include "platform/page_control.h"
#include "platform/panel.h"
#include "tests/support/exported_sections.h"
#include "tests/support/main_window_fixture.h"

#include <string>
#include <vector>

namespace {

struct TabSettings {
    std::string tab;
    std::vector<std::string> controls;
};

const std::vector<TabSettings> ProfileOrder = {
    {"MenuStart",
     Words("EditMenuShowDelay BoxNoRun BoxNoLogOff BoxNoFavoritesMenu BoxNoRecentDocsMenu "
           "BoxNoFind BoxNoClose BoxNoSetFolders BoxNoSetTaskbar BoxClearRecentDocsOnExit "
           "BoxNoRecentDocsHistory NoStartMenuSubFoldersBox NoHelpBox NoSetActiveDesktopBox "
           "NoChangeStartMenuBox NoEditMenuBox")},
    {"Pulpit",
     Words("PaintDesktopVersionBox NoSaveSettingsBox FlexibleBinBox NoDesktopBox "
           "DragFullWindowsBox FontSmoothingBox MinAnimateBox ShellIconBPPBox ShellIconSizeBox "
           "NoInternetIconBox NoNetHoodBox NoAddingComponentsBox NoDeletingComponentsBox "
           "NoEditingComponentsBox NoClosingComponentsBox NoHTMLWallPaperBox "
           "NoChangingWallPaperBox NoActiveDesktopBox NoActiveDesktopChangesBox")},
    {"Eksplorator",
     Words("LinkBox IsShortcutBox BMPIconBox DescriptiveIconsBox NoFileMenuBox "
           "NoFolderOptionsBox NoNetConnectDisconnectBox NoDrivesBox NoEntireNetworkBox "
           "NoWorkgroupContentsBox")},
    {"Ograniczenia",
     Words("DisableRegistryToolsBox NoNetSetupBox NoNetSetupIDPageBox NoNetSetupSecurityPageBox "
           "NoFileSharingControlBox NoPrintSharingControlBox DisabledBox NoRealModeBox "
           "NoDriveTypeAutoRunBox NoTrayContextMenuBox NoViewContextMenuBox NoStartBannerBox "
           "EnforceShellExtensionSecurityBox NoCloseDragDropBandsBox NoMovingBandsBox "
           "NoDevMgrUpdateBox NoWindowsUpdateBox RegDoneBox")},
    {"Ograniczenia2",
     Words("NoDevMgrPageBox NoConfigPageBox NoFileSysPageBox NoVirtMemPageBox NoDispCPLBox "
           "NoDispBackgroundPageBox NoDispScrSavPageBox NoDispAppearancePageBox "
           "NoDispSettingsPageBox NoSecCPLBox NoPwdPageBox NoAdminPageBox NoProfilePageBox "
           "NoPrinterTabsBox NoAddPrinterBox NoDeletePrinterBox")},
    {"Podpowiedzi",
     Words("MyComputerEdit MyDocumentsEdit NetworkEdit RecycleEdit InternetExplorerEdit "
           "InternetEdit PrintersEdit ControlPanelEdit DialUpNetworkingEdit BriefcaseEdit "
           "TasksEdit")},
    {"System", Words("RegisteredOwnerEdit RegisteredOrganizationEdit InstallPathEdit IETitleEdit")},
};

bool IsExported(const TComponent& c) {
    for (const char* cls :
         {"TLabel", "TSpeedButton", "TCheckBox", "TGroupBox", "TTabSheet", "TPanel"})
        if (c.ClassNameIs(cls))
            return true;
    return c.ClassNameIs("TListBox") && c.Name() == "IconsListBox";
}

// The settings of a tab as a profile walks them: check boxes, the edits of panels, the check
// boxes of group boxes.
std::vector<std::string> SettingsOf(const TTabSheet& tab) {
    std::vector<std::string> names;
    for (TControl* c : tab.Controls()) {
        if (c->ClassNameIs("TCheckBox"))
            names.push_back(c->Name());
        else if (c->ClassNameIs("TPanel") || c->ClassNameIs("TGroupBox"))
            for (TControl* inside : static_cast<TWinControl*>(c)->Controls())
                if (inside->ClassNameIs(c->ClassNameIs("TPanel") ? "TEdit" : "TCheckBox"))
                    names.push_back(inside->Name());
    }
    return names;
}

class ComponentOrderTest : public MainWindowTest {
protected:
    void SetUp() override { OpenWindow(); }
};

TEST_F(ComponentOrderTest, ExportedComponentsComeInTheirFileOrder) {
    std::vector<std::string> exported;
    for (TComponent* c : form->Components())
        if (IsExported(*c))
            exported.push_back(c->Name());
    EXPECT_EQ(exported, ExportedSections());
}

TEST_F(ComponentOrderTest, EachTabListsItsSettingsInProfileOrder) {
    for (const auto& [tab, controls] : ProfileOrder)
        EXPECT_EQ(SettingsOf(Get<TTabSheet>(tab)), controls) << tab;
}

TEST_F(ComponentOrderTest, TheTabsComeInOrderAndTheWindowOpensOnTheAboutTab) {
    auto& pages = Get<TPageControl>("PageControl1");
    std::vector<std::string> captions;
    for (int i = 0; i < pages.PageCount(); ++i)
        captions.push_back(pages.Page(i)->Caption());
    EXPECT_EQ(captions,
              (std::vector<std::string>{"Menu Start", "Pulpit", "Eksplorator", "Ograniczenia",
                                        "Ograniczenia 2", "Podpowiedzi", "System", "Ikony",
                                        Cp1250("Dodaj / Usuń"), "O programie"}));
    ASSERT_NE(pages.ActivePage(), nullptr);
    EXPECT_EQ(pages.ActivePage()->Name(), "OProgramie");
}

} // namespace
