#include "i18n/languages.h"

#include "i18n/language_file.h"
#include "platform/application.h"
#include "platform/combo_box.h"
#include "platform/file_names.h"
#include "platform/form.h"

#include <algorithm>

namespace {

const char* const Extension = ".svl";
const char* const DefaultLanguage = "English";
// The export bears the name of the built-in language.
const char* const ExportName = "Polski.svl";

} // namespace

Languages::Languages(TForm& form, TApplication& application, MessageTexts& texts)
    : form_(form), application_(application), texts_(texts),
      list_(FindAs<TComboBox>(form, "LanguageComboBox")) {}

const HandlerTable<Languages>& Languages::Handlers() {
    static const HandlerTable<Languages> table{
        .notify = {{"LanguageComboBoxChange", &Languages::LanguageComboBoxChange},
                   {"SaveStringsClick", &Languages::SaveStringsClick}}};
    return table;
}

std::string Languages::ProgramFolder() const {
    return ExtractFilePath(application_.ExeName());
}

void Languages::LanguageStep(TObject* sender) {
    std::string recorded = index_.Language();
    list_.Clear();
    std::string extension = Extension;
    for (const std::string& file :
         application_.Services().files.FindFiles(ProgramFolder() + "*" + extension))
        list_.Add(file.substr(0, file.size() - std::min(file.size(), extension.size())));
    int chosen = recorded.empty() ? -1 : list_.IndexOf(recorded);
    if (chosen < 0)
        chosen = list_.IndexOf(DefaultLanguage);
    if (chosen < 0)
        return;
    list_.SetItemIndex(chosen);
    LanguageComboBoxChange(sender);
}

void Languages::LanguageComboBoxChange(TObject* /*sender*/) {
    FileSystem& files = application_.Services().files;
    std::string language = list_.Text();
    std::string fileName = ProgramFolder() + language + Extension;
    TStringList lines;
    if (files.FileExists(fileName))
        lines.LoadFromFile(files, fileName);
    index_.RecordLanguage(language);
    // The choice is the user's whether or not it can be remembered.
    try {
        index_.Save(files);
    } catch (const std::exception& e) {
        application_.HandleException(e);
    }
    ApplyLanguageFile(form_, texts_, lines.Lines());
}

void Languages::SaveStringsClick(TObject* /*sender*/) {
    TStringList lines;
    for (const std::string& line : ExportLanguageFile(form_, texts_))
        lines.Add(line);
    lines.SaveToFile(application_.Services().files, ExportName);
}
