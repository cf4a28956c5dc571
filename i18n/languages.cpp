#include "i18n/languages.h"

const HandlerTable<Languages>& Languages::Handlers() {
    static const HandlerTable<Languages> table{
        .notify = {{"LanguageComboBoxChange", &Languages::LanguageComboBoxChange},
                   {"SaveStringsClick", &Languages::SaveStringsClick}}};
    return table;
}

// Language files, their export and the language choice are still to be built (issue 12);
// until then the list stays empty and the texts stay the built-in ones.
void Languages::LanguageStep(TObject* /*sender*/) {}
void Languages::LanguageComboBoxChange(TObject* /*sender*/) {}
void Languages::SaveStringsClick(TObject* /*sender*/) {}
