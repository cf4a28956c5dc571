// The language list and the language choice: the files found beside the program, the
// language applied at every Read, and the index file that remembers it.
#include "icons/shell_icons.h"
#include "platform/check_box.h"
#include "platform/exceptions.h"
#include "platform/list_box.h"
#include "platform/page_control.h"
#include "settings/change_tracker.h"
#include "tests/i18n/languages_fixture.h"

namespace {

using Lines = std::vector<std::string>;

const Lines EnglishFile = {"[BoxNoRun]", "Caption=Hide Run", "[OProgramie]", "Caption=About"};
const Lines PolishFile = {"[BoxNoRun]", "Caption=Ukryj Uruchom", "[OProgramie]",
                          "Caption=O programie"};
const std::string BuiltInBoxNoRun = "Ukryj funkcj\xea 'Uruchom'";

using LanguageStepTest = LanguagesTest;

TEST_F(LanguageStepTest, AFreshStartAppliesEnglishAndCreatesTheIndexFile) {
    AddLanguage("English", EnglishFile);
    OpenWindow();
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Hide Run");
    EXPECT_EQ(List().Text(), "English");
    EXPECT_EQ(IndexText(), "Language=English\r\n");
}

TEST_F(LanguageStepTest, TheListIsSortedWhateverOrderTheSearchGives) {
    for (const char* language : {"Polski", "English", "deutsch", "Czech"})
        AddLanguage(language, {});
    platform.files.AddFile(ProgramFolder + "notes.txt", "");
    platform.files.AddFile(ProgramFolder + "sub\\Other.svl", "");
    OpenWindow();
    EXPECT_EQ(Entries(), (Lines{"Czech", "deutsch", "English", "Polski"}));
}

TEST_F(LanguageStepTest, TheRecordedLanguageIsAppliedAndKeepsItsLine) {
    AddLanguage("English", EnglishFile);
    AddLanguage("Polski", PolishFile);
    AddIndexFile({"Language=Polski"});
    OpenWindow();
    EXPECT_EQ(List().Text(), "Polski");
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Ukryj Uruchom");
    EXPECT_EQ(IndexText(), "Language=Polski\r\n");
}

TEST_F(LanguageStepTest, ARecordedLanguageWithoutItsFileFallsBackToEnglish) {
    AddLanguage("English", EnglishFile);
    AddIndexFile({"Language=Deutsch"});
    OpenWindow();
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Hide Run");
    EXPECT_EQ(IndexText(), "Language=English\r\n");
}

TEST_F(LanguageStepTest, ARecordedNameInOtherCaseIsRecordedAsTheFileHasIt) {
    AddLanguage("English", EnglishFile);
    AddLanguage("Polski", PolishFile);
    AddIndexFile({"language=POLSKI"});
    OpenWindow();
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Ukryj Uruchom");
    EXPECT_EQ(IndexText(), "Language=Polski\r\n");
}

TEST_F(LanguageStepTest, WithoutLanguageFilesNothingIsAppliedOrRecorded) {
    OpenWindow();
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(List().ItemIndex(), -1);
    EXPECT_EQ(CaptionOf("BoxNoRun"), BuiltInBoxNoRun);
    EXPECT_EQ(IndexText(), std::nullopt);
}

TEST_F(LanguageStepTest, WithoutEnglishOrTheRecordedLanguageTheIndexIsLeftAsItWas) {
    AddLanguage("Polski", PolishFile);
    AddIndexFile({"Language=Deutsch", "Other=1"});
    OpenWindow();
    EXPECT_EQ(Entries(), Lines{"Polski"});
    EXPECT_EQ(List().ItemIndex(), -1);
    EXPECT_EQ(CaptionOf("BoxNoRun"), BuiltInBoxNoRun);
    EXPECT_EQ(IndexText(), "Language=Deutsch\r\nOther=1\r\n");
}

// The first "Language" line counts, whatever its letter case.
TEST_F(LanguageStepTest, AChoiceKeepsTheOtherIndexLinesInTheirOrderAndPlace) {
    AddLanguage("English", EnglishFile);
    AddLanguage("Polski", PolishFile);
    AddIndexFile({"First=1", "LANGUAGE=English", "Last=2", "Language=Polski"});
    OpenWindow();
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Hide Run");
    Choose("Polski");
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Ukryj Uruchom");
    EXPECT_EQ(IndexText(), "First=1\r\nLanguage=Polski\r\nLast=2\r\nLanguage=Polski\r\n");
}

TEST_F(LanguageStepTest, TheFirstChoiceAppendsTheLanguageLine) {
    AddLanguage("Polski", PolishFile);
    AddIndexFile({"Other=1"});
    OpenWindow();
    Choose("Polski");
    EXPECT_EQ(IndexText(), "Other=1\r\nLanguage=Polski\r\n");
}

TEST_F(LanguageStepTest, AFileNamedOnlySvlHasAnEmptyNameAndRemovesTheLanguageLine) {
    AddLanguage("English", EnglishFile);
    AddLanguage("", {"[BoxNoRun]", "Caption=Nameless"});
    AddIndexFile({"A=1", "Language=English", "B=2"});
    OpenWindow();
    EXPECT_EQ(Entries(), (Lines{"", "English"}));
    Choose("");
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Nameless");
    EXPECT_EQ(IndexText(), "A=1\r\nB=2\r\n");
    // The next Read falls back to English.
    Read();
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Hide Run");
    EXPECT_EQ(IndexText(), "A=1\r\nB=2\r\nLanguage=English\r\n");
}

TEST_F(LanguageStepTest, SwitchingToALanguageThatLacksSomeTextsKeepsThoseOfTheFirst) {
    AddLanguage("English", EnglishFile);
    AddLanguage("Polski", {"[OProgramie]", "Caption=O programie"});
    OpenWindow();
    Choose("Polski");
    EXPECT_EQ(CaptionOf("OProgramie"), "O programie");
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Hide Run");
}

TEST_F(LanguageStepTest, AChosenFileDeletedSinceTheListWasBuiltIsRecordedAndAppliesNothing) {
    AddLanguage("English", EnglishFile);
    AddLanguage("Polski", PolishFile);
    OpenWindow();
    platform.files.RemoveFile(ProgramFolder + "Polski.svl");
    Choose("Polski");
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Hide Run");
    EXPECT_EQ(IndexText(), "Language=Polski\r\n");
}

TEST_F(LanguageStepTest, ASwitchTouchesNoSettingMarkOrSelection) {
    AddLanguage("English", EnglishFile);
    AddLanguage("Polski", PolishFile);
    OpenWindow();
    Click("BoxNoRun");
    auto& pages = Get<TPageControl>("PageControl1");
    Choose("Polski");
    EXPECT_TRUE(Get<TCheckBox>("BoxNoRun").Checked());
    EXPECT_TRUE(ChangeTracker::IsMarked(Get<TCheckBox>("BoxNoRun")));
    EXPECT_EQ(form->Changes().ChangeCount(), 1);
    EXPECT_TRUE(Get<TControl>("ZastosujButton").Enabled());
    EXPECT_EQ(pages.ActivePage()->Name(), "OProgramie");
}

TEST_F(LanguageStepTest, AReplacedMessageTextIsShownAtTheNextBoxWithoutARestart) {
    Lines file = {"[Strings]"};
    for (int i = 1; i <= MessageTexts::Count; ++i)
        file.push_back("Text " + std::to_string(i));
    AddLanguage("English", file);
    OpenWindow();
    Click("BoxNoRun");
    platform.messageBoxes.answers = {mb::IdCancel};
    form->Close();
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, "Text 2");
    EXPECT_EQ(platform.messageBoxes.shown[0].caption, "Text 9");
}

// Re-applying the recorded language writes nothing, so a Read succeeds even where the
// index file can no longer be written.
TEST_F(LanguageStepTest, ReadingAgainAppliesTheSameLanguageAndWritesNothing) {
    AddLanguage("English", EnglishFile);
    AddIndexFile({"Language=English"});
    OpenWindow();
    platform.files.FailWritesTo(IndexFileName);
    Get<TCheckBox>("BoxNoRun").SetCaption("Changed");
    Read();
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Hide Run");
    EXPECT_TRUE(platform.messageBoxes.shown.empty());
}

TEST_F(LanguageStepTest, AFolderThatCannotBeWrittenKeepsTheChoiceInTheUsersOwnIndexFile) {
    const std::string ownIndex = platform.folders.applicationData + "Sorvanto\\srvt.ini";
    AddLanguage("English", EnglishFile);
    AddLanguage("Polski", PolishFile);
    AddIndexFile({"Language=Polski"});
    platform.files.MakeFolderReadOnly(ProgramFolder);
    OpenWindow();
    EXPECT_EQ(form->LanguagesPart().Index().IniFileName, ownIndex);
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Hide Run");
    Choose("Polski");
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Ukryj Uruchom");
    EXPECT_EQ(platform.files.Content(ownIndex), "Language=Polski\r\n");
    EXPECT_EQ(IndexText(), "Language=Polski\r\n");
    EXPECT_TRUE(platform.messageBoxes.shown.empty());
}

// Read goes on to the icons after a failed write.
TEST_F(LanguageStepTest, AnIndexFileThatCannotBeWrittenIsReportedAndTheLanguageApplied) {
    AddLanguage("English", EnglishFile);
    platform.files.FailWritesTo(IndexFileName);
    OpenWindow();
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(platform.messageBoxes.shown[0].text,
              "Cannot create file C:\\Program Files\\Sorvanto\\srvt.ini.");
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Hide Run");
    form->IconsPart().IconChanged[3] = true;
    Read();
    EXPECT_FALSE(form->IconsPart().IconChanged[3]);
    EXPECT_EQ(platform.messageBoxes.shown.size(), 2u);
}

TEST_F(LanguageStepTest, AnUnreadableFileIsAnErrorBeforeAnythingIsRecordedOrApplied) {
    AddLanguage("English", EnglishFile);
    AddLanguage("Polski", PolishFile);
    OpenWindow();
    platform.files.MakeUnreadable(ProgramFolder + "Polski.svl");
    try {
        Choose("Polski");
        ADD_FAILURE() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot open file C:\\Program Files\\Sorvanto\\Polski.svl");
    }
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Hide Run");
    EXPECT_EQ(IndexText(), "Language=English\r\n");
}

// The error ends the Read before the icons, and the first Read ends the window's creation.
TEST_F(LanguageStepTest, AFileEndingEarlyEndsTheReadWithTheTextsBeforeItApplied) {
    AddLanguage("English", {"[BoxNoRun]", "Caption=Hide Run", "[Strings]", "Only one"});
    OpenWindow();
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, "List index out of bounds (4)");
    EXPECT_EQ(CaptionOf("BoxNoRun"), "Hide Run");
    EXPECT_EQ(texts[MsgWarning], "Only one");
    EXPECT_EQ(IndexText(), "Language=English\r\n");
    EXPECT_NE(Get<TListBox>("IconsListBox").ColumnWidth(), 200);
    form->IconsPart().IconChanged[3] = true;
    EXPECT_THROW(Read(), EStringListError);
    EXPECT_TRUE(form->IconsPart().IconChanged[3]);
}

} // namespace
