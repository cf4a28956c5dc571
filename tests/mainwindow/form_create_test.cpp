// What creating the main window leaves behind.
#include "i18n/languages.h"
#include "icons/shell_icons.h"
#include "platform/exceptions.h"
#include "platform/image_list.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "settings/change_tracker.h"
#include "tests/support/main_window_fixture.h"

namespace {

const char* const IndexFile = "C:\\Program Files\\Sorvanto\\srvt.ini";

using FormCreateTest = MainWindowTest;

TEST_F(FormCreateTest, TheIndexFileBesideTheProgramIsLoaded) {
    platform.files.AddFile(IndexFile, "Language=English\r\nOther=1\r\n");
    OpenWindow();
    EXPECT_EQ(form->LanguagesPart().Index().IniFileName, IndexFile);
    EXPECT_EQ(form->LanguagesPart().Index().IniStrings.Lines(),
              (std::vector<std::string>{"Language=English", "Other=1"}));
}

TEST_F(FormCreateTest, AnUnreadableIndexFileIsReportedAndTheWindowIsStillBuilt) {
    platform.files.AddFile(IndexFile, "Language=English\r\n");
    platform.files.MakeUnreadable(IndexFile);
    OpenWindow();
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(platform.messageBoxes.shown[0].text,
              "Cannot open file C:\\Program Files\\Sorvanto\\srvt.ini.");
    EXPECT_EQ(platform.messageBoxes.shown[0].caption, "Sorvanto");
    EXPECT_EQ(form->IconsPart().IconLocations.size(), 40u);
    EXPECT_EQ(Get<TListBox>("IconsListBox").ColumnWidth(), 200);
}

TEST_F(FormCreateTest, TheWindowStartsReadAndUnchanged) {
    OpenWindow();
    EXPECT_TRUE(form->LanguagesPart().Index().IniStrings.Lines().empty());
    EXPECT_EQ(form->Changes().ChangeCount(), 0);
    EXPECT_FALSE(form->Changes().ReadInProgress());
    EXPECT_FALSE(Get<TControl>("ZastosujButton").Enabled());
    // The first Read has given every slot a location, its default here.
    ASSERT_EQ(form->IconsPart().IconLocations.size(), 40u);
    EXPECT_EQ(form->IconsPart().IconLocations[0], "shell32.dll,15");
    EXPECT_EQ(form->IconsPart().IconLocations[38], "shell32.dll,29");
    EXPECT_EQ(form->IconsPart().IconLocations[39], "");
    EXPECT_EQ(form->IconsPart().IconChanged, std::vector<bool>(39, false));
    EXPECT_EQ(Get<TListBox>("IconsListBox").ColumnWidth(), 200);
    EXPECT_EQ(platform.windows.viewsCreated, 1);
}

TEST_F(FormCreateTest, EveryIconSlotStartsWithTheApplicationIcon) {
    OpenWindow();
    auto& images = Get<TImageList>("SIImageList");
    ASSERT_EQ(images.Count(), Get<TListBox>("IconsListBox").Count());
    EXPECT_EQ(images.Count(), 39);
    for (int i = 0; i < images.Count(); ++i)
        EXPECT_EQ(images.Icon(i), platform.icons.applicationIcon) << i;
}

TEST_F(FormCreateTest, TheHintHookShowsHintsInTheHintPanel) {
    OpenWindow();
    app->SetHint("first|the long part");
    EXPECT_EQ(Get<TLabel>("LabelHint").Caption(), "the long part");
    app->SetHint("");
    EXPECT_EQ(Get<TLabel>("LabelHint").Caption(), "");
}

TEST_F(FormCreateTest, TheHomePageLinkOpensItsCaption) {
    OpenWindow();
    Click("WebPageLabel");
    EXPECT_EQ(platform.shell.opened,
              std::vector<std::string>{Get<TLabel>("WebPageLabel").Caption()});
}

} // namespace
