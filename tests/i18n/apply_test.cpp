// Applying a language file: which lines are headers, which keys count, and what the icon
// list's items and the Strings section take.
#include "platform/exceptions.h"
#include "platform/list_box.h"
#include "tests/i18n/languages_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class ApplyTest : public LanguagesTest {
protected:
    void SetUp() override { OpenWindow(); }
    void Apply(const Lines& lines) { ApplyLanguageFile(*form, texts, lines); }
    TListBox& IconList() const { return Get<TListBox>("IconsListBox"); }
};

enum class Text { Caption, Hint };

struct KeyCase {
    const char* what;
    Lines lines;
    const char* component;
    Text text;
    // The text afterwards; nothing when the file must leave it as it was.
    std::optional<std::string> expected;
};

class KeyAndHeaderRules : public ApplyTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyAndHeaderRules, SetOnlyWhatTheRulesName) {
    const KeyCase& c = GetParam();
    auto& control = Get<TControl>(c.component);
    std::string before = c.text == Text::Caption ? control.Caption() : control.Hint();
    Apply(c.lines);
    std::string after = c.text == Text::Caption ? control.Caption() : control.Hint();
    EXPECT_EQ(after, c.expected.value_or(before));
}

INSTANTIATE_TEST_SUITE_P(
    LanguageFile, KeyAndHeaderRules,
    testing::Values(
        KeyCase{"ValueHoldingEquals",
                {"[BoxNoRun]", "Caption=a=b="},
                "BoxNoRun",
                Text::Caption,
                "a=b="},
        KeyCase{"EmptyValue", {"[BoxNoRun]", "Hint="}, "BoxNoRun", Text::Hint, ""},
        KeyCase{"HeaderInOtherCase", {"[boxnorun]", "Caption=x"}, "BoxNoRun", Text::Caption, "x"},
        KeyCase{"KeyInOtherCase",
                {"[BoxNoRun]", "caption=x", "HINT=y"},
                "BoxNoRun",
                Text::Caption,
                std::nullopt},
        KeyCase{"KeyInOtherCaseLeavesTheHint",
                {"[BoxNoRun]", "HINT=y"},
                "BoxNoRun",
                Text::Hint,
                std::nullopt},
        KeyCase{"CaptionOfAPanel",
                {"[MenuShowDelayPanel]", "Caption=P"},
                "MenuShowDelayPanel",
                Text::Caption,
                "P"},
        KeyCase{"CaptionOfAnEdit",
                {"[EditMenuShowDelay]", "Caption=E"},
                "EditMenuShowDelay",
                Text::Caption,
                std::nullopt},
        KeyCase{"HintOfAnEdit",
                {"[EditMenuShowDelay]", "Hint=E"},
                "EditMenuShowDelay",
                Text::Hint,
                "E"},
        KeyCase{"HintOfTheComboBox",
                {"[LanguageComboBox]", "Hint=L"},
                "LanguageComboBox",
                Text::Hint,
                "L"},
        KeyCase{
            "HeaderWithoutBrackets", {"xBoxNoRuny", "Caption=x"}, "BoxNoRun", Text::Caption, "x"},
        KeyCase{"UnknownKey", {"[BoxNoRun]", "Text=x", "Hint=y"}, "BoxNoRun", Text::Hint, "y"},
        KeyCase{"KeyLinesBeforeAnyHeader",
                {"Caption=x", "[BoxNoRun]", "Hint=y"},
                "BoxNoRun",
                Text::Hint,
                "y"},
        KeyCase{"KeyLinesOfAnUnknownSection",
                {"[NoSuchThing]", "Caption=x", "BoxNoRun]"},
                "BoxNoRun",
                Text::Caption,
                std::nullopt},
        KeyCase{"ShortLinesNameNothing",
                {"[]", "Caption=x", "B", "Caption=y"},
                "BoxNoRun",
                Text::Caption,
                std::nullopt},
        KeyCase{"LaterLinesWin",
                {"[BoxNoRun]", "Hint=1", "[Label19]", "[BoxNoRun]", "Hint=2"},
                "BoxNoRun",
                Text::Hint,
                "2"}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.what; });

TEST_F(ApplyTest, TheImageListTakesNoTextAndNothingBreaks) {
    Apply({"[SIImageList]", "Hint=x", "Caption=y", "[BoxNoRun]", "Hint=after"});
    EXPECT_EQ(HintOf("BoxNoRun"), "after");
}

TEST_F(ApplyTest, ItemLinesAreTakenWhateverTheyHold) {
    Lines lines = {"[IconsListBox]", "Hint=h"};
    for (int i = 0; i < IconList().Count(); ++i)
        lines.push_back(i == 0 ? "[Strings]" : "Item " + std::to_string(i));
    lines.insert(lines.end(), {"[BoxNoRun]", "Caption=after"});
    Apply(lines);
    EXPECT_EQ(HintOf("IconsListBox"), "h");
    EXPECT_EQ(IconList().Items().front(), "[Strings]");
    EXPECT_EQ(IconList().Items().back(), "Item 38");
    EXPECT_EQ(IconList().Count(), 39);
    EXPECT_EQ(CaptionOf("BoxNoRun"), "after");
    EXPECT_EQ(texts[MsgWarning], "Uwaga!");
}

TEST_F(ApplyTest, AnItemHoldingEqualsDoesNotSurviveAnExportAndAReRead) {
    IconList().SetItem(0, "a=b");
    IconList().SetItem(1, "second");
    Lines exported = Texts();
    IconList().SetItem(0, "first");
    Apply(exported);
    // Read as a key line of the section, the item shifts the ones after it by one.
    EXPECT_EQ(IconList().Items()[0], "second");
    EXPECT_EQ(IconList().Items().back(), "[AddRemove]");
}

TEST_F(ApplyTest, AShortStringsSectionTakesTheLinesAfterIt) {
    Apply({"[Strings]", "one", "two", "[BoxNoRun]", "Caption=x", "5", "6", "7", "8", "9", "10",
           "11", "12", "13", "14", "[Label19]", "Caption=after"});
    EXPECT_EQ(texts[MsgWarning], "one");
    EXPECT_EQ(texts[MsgKeyDeleteFailed], "[BoxNoRun]");
    EXPECT_EQ(texts[MsgKeyDeleted], "Caption=x");
    EXPECT_EQ(texts[MsgProfileFilter], "14");
    EXPECT_NE(CaptionOf("BoxNoRun"), "x");
    EXPECT_EQ(CaptionOf("Label19"), "after");
}

TEST_F(ApplyTest, OnlyAStringsSectionChangesTheMessageTextsAndNothingElse) {
    Lines before = Texts();
    Lines strings = {"[Strings]"};
    for (int i = 1; i <= MessageTexts::Count; ++i)
        strings.push_back("Text " + std::to_string(i));
    Apply(strings);
    Lines after = Texts();
    for (int i = 1; i <= MessageTexts::Count; ++i)
        EXPECT_EQ(texts[static_cast<MessageText>(i)], "Text " + std::to_string(i));
    after.resize(after.size() - MessageTexts::Count);
    before.resize(before.size() - MessageTexts::Count);
    EXPECT_EQ(after, before);
}

TEST_F(ApplyTest, AStringsHeaderInOtherCaseIsNoStringsSection) {
    Apply({"[strings]", "a", "b"});
    EXPECT_EQ(texts[MsgWarning], "Uwaga!");
}

// The position in the error is that of the first missing line.
TEST_F(ApplyTest, AFileEndingInsideASectionRaisesAndKeepsWhatCameBefore) {
    struct Case {
        Lines lines;
        std::string error;
    } const cases[] = {
        {{"[BoxNoRun]", "Caption=kept", "[IconsListBox]", "Hint=h", "first"},
         "List index out of bounds (5)"},
        {{"[BoxNoRun]", "Caption=kept", "[Strings]", "first"}, "List index out of bounds (4)"},
    };
    for (const Case& c : cases) {
        try {
            Apply(c.lines);
            ADD_FAILURE() << "no error for " << c.lines.back();
        } catch (const EStringListError& e) {
            EXPECT_EQ(std::string(e.what()), c.error);
        }
        EXPECT_EQ(CaptionOf("BoxNoRun"), "kept");
    }
    EXPECT_EQ(IconList().Items()[0], "first");
    EXPECT_EQ(texts[MsgWarning], "first");
}

TEST_F(ApplyTest, ACaptionAppliedToTheHintPanelStaysUntilTheNextHint) {
    Apply({"[LabelHint]", "Caption=From the file"});
    EXPECT_EQ(CaptionOf("LabelHint"), "From the file");
    app->SetHint("Next");
    EXPECT_EQ(CaptionOf("LabelHint"), "Next");
}

} // namespace
