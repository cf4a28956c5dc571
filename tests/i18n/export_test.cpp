// The export: its sections and lines as the reader takes them, and the two shipped language
// files, which must match the window exactly.
#include "platform/check_box.h"
#include "platform/list_box.h"
#include "platform/page_control.h"
#include "platform/speed_button.h"
#include "tests/i18n/languages_fixture.h"
#include "tests/support/exported_sections.h"

#include <fstream>
#include <map>
#include <set>

namespace {

const std::vector<std::string>& Sections = ExportedSections();

const std::set<std::string> HintOnlyPanels = {"MenuShowDelayPanel",
                                              "MyComputerPanel",
                                              "MyDocumentsPanel",
                                              "NetworkPanel",
                                              "RecyclePanel",
                                              "InternetExplorerPanel",
                                              "InternetPanel",
                                              "PrintersPanel",
                                              "ControlPanelPanel",
                                              "DialUpNetworkingPanel",
                                              "BriefcasePanel",
                                              "TasksPanel",
                                              "RegisteredOwnerPanel",
                                              "RegisteredOrganizationPanel",
                                              "InstallPathPanel",
                                              "IETitlePanel",
                                              "Panel1",
                                              "Panel3",
                                              "Panel2"};

constexpr int IconItems = 39;

// A language file's lines by kind: a header as it stands, "Key=" for a key line, "item" for
// an item of the icon list and "text" for a message text. Files of one shape differ only in
// their texts.
std::vector<std::string> ShapeOf(const std::vector<std::string>& lines) {
    std::vector<std::string> shape;
    std::size_t i = 0;
    auto take = [&](int count, const char* kind) {
        for (int k = 0; k < count && i < lines.size(); ++k, ++i)
            shape.push_back(kind);
    };
    while (i < lines.size()) {
        const std::string& header = lines[i++];
        shape.push_back(header);
        for (; i < lines.size() && lines[i].find('=') != std::string::npos; ++i)
            shape.push_back(lines[i].substr(0, lines[i].find('=') + 1));
        if (header == "[IconsListBox]")
            take(IconItems, "item");
        else if (header == "[Strings]")
            take(MessageTexts::Count, "text");
    }
    return shape;
}

// The shape the window's texts must have, from the table above.
std::vector<std::string> ExpectedShape() {
    std::vector<std::string> shape;
    for (const std::string& name : Sections) {
        shape.push_back("[" + name + "]");
        if (!HintOnlyPanels.count(name) && name != "IconsListBox")
            shape.push_back("Caption=");
        shape.push_back("Hint=");
        if (name == "IconsListBox")
            shape.insert(shape.end(), IconItems, "item");
    }
    shape.push_back("[Strings]");
    shape.insert(shape.end(), MessageTexts::Count, "text");
    return shape;
}

// The text of a line of a given kind.
std::string TextOf(const std::string& line, const std::string& kind) {
    return kind.back() == '=' ? line.substr(kind.size()) : line;
}

class ExportTest : public LanguagesTest {
protected:
    void SetUp() override { OpenWindow(); }
    // The export the hidden button writes, as bytes.
    std::string Exported() {
        form->LanguagesPart().SaveStringsClick(nullptr);
        return platform.files.Content("Polski.svl").value_or("");
    }
};

TEST_F(ExportTest, HoldsEverySectionWithItsLinesInComponentOrder) {
    EXPECT_EQ(Sections.size(), 151u);
    EXPECT_EQ(HintOnlyPanels.size(), 19u);
    std::vector<std::string> lines = LinesOf(Exported());
    EXPECT_EQ(ShapeOf(lines), ExpectedShape());
}

TEST_F(ExportTest, WritesEachTextAsItStandsWithCrLfAfterEveryLine) {
    std::string bytes = Exported();
    std::vector<std::string> lines = LinesOf(bytes);
    EXPECT_EQ(bytes, FileOf(lines));
    ASSERT_GE(lines.size(), 31u);
    std::vector<std::string> fourToThirtyOne(lines.begin() + 3, lines.begin() + 31);
    const char* const expected[] = {
        "[SaveProfileButton]",
        "Caption=Zapisz p&rofil",
        "Hint=Pozwala zapisać wybrane ustawienia użytkownika do pliku.",
        "[CloseButton]",
        "Caption=Z&amknij",
        "Hint=Kończy pracę programu.",
        "[OdczytajButton]",
        "Caption=&Odczytaj",
        "Hint=Odczytuje wartości z rejestru i uaktualnia odpowiednie pola.",
        "[ZastosujButton]",
        "Caption=&Zastosuj",
        "Hint=Zapisuje tylko zmienione wartości do rejestru. Jeśli jest nieaktywne to znaczy, "
        "że nic nie zostało zmienione.",
        "[OpenProfileButton]",
        "Caption=Otwórz &profil",
        "Hint=Odczytuje zapisane wcześniej ustawienia użytkownika.",
        "[SaveStrings]",
        "Caption=Save strings",
        "Hint=",
        "[MenuStart]",
        "Caption=Menu Start",
        "Hint=Na tej zakładce można ustawić wygląd i opcje Menu Start.",
        "[MenuShowDelayPanel]",
        "Hint=Określa czas w milisekundach jaki upływa od najechania myszką na pozycję w 'Menu "
        "Start' do rozwinięcia podmenu tej pozycji.",
        "[Label1MenuShowDelay]",
        "Caption=Opóźnienie wyświetlania podmenu:",
        "Hint=",
        "[Label2MenuShowDelay]",
        "Caption=milisekund",
    };
    std::vector<std::string> want;
    for (const char* line : expected)
        want.push_back(Cp1250(line));
    EXPECT_EQ(fourToThirtyOne, want);
    EXPECT_EQ(lines[lines.size() - 15], "[Strings]");
    EXPECT_EQ(lines[lines.size() - 14], "Uwaga!");
    EXPECT_EQ(lines.back(), Cp1250("Profile ZORV (*.svp)|*.svp|Wszystkie pliki (*.*)|*.*|"));
}

TEST_F(ExportTest, WritesTheTextsShownNowAndTheHintOfTheMomentAsLabelHintsCaption) {
    Get<TCheckBox>("BoxNoRun").SetCaption("Changed by an earlier file");
    texts.Set(MsgWarning, "Careful!");
    app->SetHint("The hint under the pointer");
    std::vector<std::string> lines = LinesOf(Exported());
    auto at = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(at("Caption=Changed by an earlier file"));
    EXPECT_TRUE(at("Careful!"));
    EXPECT_EQ(lines[lines.size() - 18], "[LabelHint]");
    EXPECT_EQ(lines[lines.size() - 17], "Caption=The hint under the pointer");
}

TEST_F(ExportTest, AnExportChosenAtOnceChangesNoTextButTheHintPanels) {
    app->SetHint("Shown at the export");
    std::string exported = Exported();
    platform.files.AddFile(ProgramFolder + "Polski.svl", exported);
    app->SetHint("Shown at the switch");
    Read();
    std::vector<std::string> before = Texts();
    Choose("Polski");
    std::vector<std::string> after = Texts();
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] != "Caption=Shown at the switch") {
            EXPECT_EQ(after[i], before[i]) << i;
        }
    EXPECT_EQ(CaptionOf("LabelHint"), "Shown at the export");
}

TEST_F(ExportTest, AFailedWriteIsAnErrorAndLeavesTheOldFile) {
    platform.files.AddFile("Polski.svl", "old");
    platform.files.FailWritesTo("Polski.svl");
    EXPECT_THROW(form->LanguagesPart().SaveStringsClick(nullptr), EFCreateError);
    EXPECT_EQ(platform.files.Content("Polski.svl"), "old");
}

// Polski.svl is shipped so that a user can switch back from another language: it must be
// exactly what the program exports from its built-in texts.
TEST_F(ExportTest, TheShippedPolishFileIsTheExportOfTheBuiltInTexts) {
    std::string exported = Exported();
    bool same = exported == ShippedFile("Polski.svl");
    if (!same)
        std::ofstream("Polski.svl", std::ios::binary) << exported;
    EXPECT_TRUE(same) << "resources/Polski.svl differs from the export; the export is in "
                         "Polski.svl in the test's working folder";
}

// English.svl must name exactly what the window has, so it cannot drift from the layouts.
TEST_F(ExportTest, TheShippedEnglishFileHasTheExportsShapeWithEveryTextTranslated) {
    std::vector<std::string> polish = LinesOf(Exported());
    std::vector<std::string> english = LinesOf(ShippedFile("English.svl"));
    std::vector<std::string> shape = ShapeOf(polish);
    ASSERT_EQ(ShapeOf(english), shape);
    const std::string polishLetters = Cp1250("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    for (std::size_t i = 0; i < shape.size(); ++i) {
        if (shape[i].front() == '[')
            continue;
        std::string text = TextOf(english[i], shape[i]);
        EXPECT_EQ(text.find_first_of(polishLetters), std::string::npos) << english[i];
        if (!TextOf(polish[i], shape[i]).empty()) {
            EXPECT_FALSE(text.empty()) << "line " << i + 1 << " is empty in English";
        }
    }
}

// "Name|patterns|..." pairs; the dialogs need the patterns as they are.
std::vector<std::string> FilterPatterns(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t bar; (bar = filter.find('|', start)) != std::string::npos; start = bar + 1)
        parts.push_back(filter.substr(start, bar - start));
    EXPECT_EQ(start, filter.size()) << filter << " does not end with |";
    EXPECT_EQ(parts.size() % 2, 0u) << filter;
    std::vector<std::string> patterns;
    for (std::size_t i = 1; i < parts.size(); i += 2)
        patterns.push_back(parts[i]);
    return patterns;
}

TEST_F(ExportTest, TheEnglishFiltersKeepTheirFormAndPatterns) {
    MessageTexts english;
    ApplyLanguageFile(*form, english, LinesOf(ShippedFile("English.svl")));
    for (MessageText filter : {MsgIconFilter, MsgProfileFilter})
        EXPECT_EQ(FilterPatterns(english[filter]), FilterPatterns(texts[filter])) << filter;
}

// The controls and everything inside them.
std::vector<TControl*> AllWithin(std::vector<TControl*> controls) {
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (auto* inside = dynamic_cast<TWinControl*>(controls[i]))
            for (TControl* child : inside->Controls())
                controls.push_back(child);
    return controls;
}

// Alt and a letter answer on the visible tab and in the bottom row at once.
TEST_F(ExportTest, EnglishCaptionsKeepTheirAcceleratorsUniqueOnEveryTab) {
    std::map<std::string, char> builtIn;
    for (TComponent* c : form->Components())
        if (auto* control = dynamic_cast<TControl*>(c);
            control && AcceleratorOf(control->Caption()))
            builtIn[control->Name()] = AcceleratorOf(control->Caption());
    ASSERT_FALSE(builtIn.empty());
    ApplyLanguageFile(*form, texts, LinesOf(ShippedFile("English.svl")));
    for (const auto& [name, letter] : builtIn)
        EXPECT_NE(AcceleratorOf(CaptionOf(name)), 0) << name << " lost its accelerator";

    std::vector<TControl*> bottomRow;
    for (TControl* c : form->Controls())
        if (c->Name() != "PageControl1")
            bottomRow.push_back(c);
    auto& pages = Get<TPageControl>("PageControl1");
    for (int p = 0; p < pages.PageCount(); ++p) {
        std::vector<TControl*> answering = bottomRow;
        answering.push_back(pages.Page(p));
        answering = AllWithin(answering);
        std::map<char, std::string> owners;
        for (TControl* control : answering) {
            char letter = AcceleratorOf(control->Caption());
            if (!letter || !control->Visible())
                continue;
            auto [owner, fresh] = owners.emplace(letter, control->Name());
            EXPECT_TRUE(fresh) << "Alt+" << letter << " on " << pages.Page(p)->Name() << ": "
                               << owner->second << " and " << control->Name();
        }
    }
}

} // namespace
