#pragma once
// The main window on the memory platform with its undo journals: where they are, how an
// operation runs under the journal, and a journal imported back into the registry as
// `reg import` would.
#include "tests/support/main_window_fixture.h"

#include <functional>
#include <string>
#include <vector>

class JournalTest : public MainWindowTest {
protected:
    std::u16string Folder() const {
        return platform.folders.localApplicationData + u"\\Sorvanto\\Undo";
    }
    // The journals' full names, oldest first.
    std::vector<std::u16string> Journals() const { return platform.unicodeFiles.FilesIn(Folder()); }
    // As every operation runs its registry writes: first under the journal, then for real.
    void RunUnderJournal(const std::string& operation,
                         const std::function<void(RegistryStore&)>& writes);
    void ImportJournal(const std::u16string& name);
    // The user changes every row of the catalogue: each box toggled, each edit retyped.
    void MarkEveryRow();
    // The user presses "&Zastosuj"; an error goes to the error box, as the event loop shows
    // it.
    void PressApply();
};
