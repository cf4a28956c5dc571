#pragma once
// The main window's settings on a registry store of the caller's, with the registry set up
// so that every row has something to read and to write: what the settings benchmarks time,
// natively and under Wine alike. Apply's undo journals go to the caller's files and folders,
// stamped by the caller's clock.
#include "i18n/message_texts.h"
#include "platform/application.h"
#include "settings/settings.h"
#include "tests/settings/no_window_steps.h"
#include "tests/support/fake_platform.h"

#include <memory>

class TForm1;

class SettingsWorkload {
public:
    SettingsWorkload(RegistryStore& registry, UnicodeFileSystem& journals, Folders& folders,
                     Clock& clock);
    ~SettingsWorkload();

    // Read's walk of the catalogue, without the steps of other parts of the window.
    void Read() { settings_->OdczytajButtonClick(nullptr); }
    // Changes every row as a user would, so that Apply writes all of them.
    void MarkEveryRow();
    // Apply of what is marked, with its journal and its final Read.
    void Apply() { settings_->ZastosujButtonClick(nullptr); }
    // The same without the journal: the writes and the final Read.
    void ApplyWithoutJournal();
    // The journal alone, of what Apply would write now.
    void SaveJournal();
    int ChangeCount() const;

private:
    RegistryStore& registry_;
    FakePlatform fakes_;
    Platform services_;
    MessageTexts texts_;
    std::unique_ptr<TApplication> application_;
    TForm1* form_ = nullptr;
    NoWindowSteps steps_;
    std::unique_ptr<Settings> settings_;
};
