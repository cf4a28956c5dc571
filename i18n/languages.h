#pragma once
// The languages of the window: the language list of the "O programie" tab, the language
// files beside the program, and the index file that remembers the choice.
#include "i18n/index_file.h"
#include "platform/handler_table.h"

class Languages {
public:
    static const HandlerTable<Languages>& Handlers();

    IndexFile& Index() { return index_; }

    // The language step of Read: rebuilds the language list and applies the recorded
    // language.
    void LanguageStep(TObject* sender);
    void LanguageComboBoxChange(TObject* sender);
    void SaveStringsClick(TObject* sender);

private:
    IndexFile index_;
};
