#pragma once
// The main window with language files beside the program in the memory file system, and the
// user's ways of choosing a language.
#include "i18n/language_file.h"
#include "i18n/languages.h"
#include "platform/combo_box.h"
#include "tests/support/main_window_fixture.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

inline const std::string ProgramFolder = "C:\\Program Files\\Sorvanto\\";
inline const std::string IndexFileName = ProgramFolder + "srvt.ini";

// The bytes of a file of lines, as the program writes them.
std::string FileOf(const std::vector<std::string>& lines);
// The bytes of a file shipped in resources/.
std::string ShippedFile(const std::string& name);
// The lines of a file's bytes, by the program's line rules.
std::vector<std::string> LinesOf(const std::string& bytes);

class LanguagesTest : public MainWindowTest {
protected:
    // A language file beside the program.
    void AddLanguage(const std::string& language, const std::vector<std::string>& lines);
    void AddIndexFile(const std::vector<std::string>& lines);
    std::optional<std::string> IndexText() const { return platform.files.Content(IndexFileName); }

    TComboBox& List() const { return Get<TComboBox>("LanguageComboBox"); }
    std::vector<std::string> Entries() const { return List().Items(); }
    // The user picks a language in the list on the "O programie" tab.
    void Choose(const std::string& language);
    void Read() { Click("OdczytajButton"); }
    // Every text a language file can carry, as the export lists it.
    std::vector<std::string> Texts() const { return ExportLanguageFile(*form, texts); }
    std::string CaptionOf(const std::string& name) const { return Get<TControl>(name).Caption(); }
    std::string HintOf(const std::string& name) const { return Get<TControl>(name).Hint(); }
};
