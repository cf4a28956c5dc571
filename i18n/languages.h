#pragma once
// The languages of the window: the language list of the "O programie" tab, the language
// files beside the program, the export of the current texts, and the index file that
// remembers the choice.
#include "i18n/index_file.h"
#include "platform/handler_table.h"

#include <string>

class MessageTexts;
class TApplication;
class TComboBox;
class TForm;
class TObject;

class Languages {
public:
    // Binds to the window's language list; raises when the window lacks it.
    Languages(TForm& form, TApplication& application, MessageTexts& texts);
    static const HandlerTable<Languages>& Handlers();

    IndexFile& Index() { return index_; }

    // The language step of Read: rebuilds the list from the language files beside the
    // program and applies the recorded language, else "English", else nothing.
    void LanguageStep(TObject* sender);
    // Applies the selected language and records it in the index file. A language file that
    // cannot be read raises before anything is recorded; an index file that cannot be
    // written is reported and the language applied all the same.
    void LanguageComboBoxChange(TObject* sender);
    // Writes the texts the window shows now as Polski.svl in the current folder.
    void SaveStringsClick(TObject* sender);

private:
    std::string ProgramFolder() const;

    TForm& form_;
    TApplication& application_;
    MessageTexts& texts_;
    TComboBox& list_;
    IndexFile index_;
};
