#include "settings/settings.h"

#include "platform/application.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/page_control.h"
#include "platform/panel.h"
#include "platform/registry.h"
#include "settings/catalogue_walk.h"
#include "settings/change_tracker.h"
#include "settings/window_steps.h"
#include "undo/undo_journal.h"

namespace {

// Keeps the change handlers quiet while Read fills the controls, and lowers the flag again
// even when a step raises: a flag left raised would stop every later change from counting.
class ReadingScope {
public:
    explicit ReadingScope(ChangeTracker& changes) : changes_(changes) {
        changes_.SetReadInProgress(true);
    }
    ~ReadingScope() { changes_.SetReadInProgress(false); }
    ReadingScope(const ReadingScope&) = delete;
    ReadingScope& operator=(const ReadingScope&) = delete;

private:
    ChangeTracker& changes_;
};

} // namespace

Settings::Settings(TForm& form, TApplication& application, ChangeTracker& changes,
                   WindowSteps& steps)
    : form_(form), application_(application), changes_(changes), steps_(steps),
      applyOrder_(BindCatalogue(form)), readOrder_(InReadOrder(applyOrder_)),
      masters_(BindMasterBoxes(form)), menuShowDelay_(FindAs<TEdit>(form, "EditMenuShowDelay")) {}

const HandlerTable<Settings>& Settings::Handlers() {
    static const HandlerTable<Settings> table{
        .notify = {{"OdczytajButtonClick", &Settings::OdczytajButtonClick},
                   {"ZastosujButtonClick", &Settings::ZastosujButtonClick},
                   {"CheckBoxClick", &Settings::CheckBoxClick},
                   {"UpperBoxClick", &Settings::UpperBoxClick},
                   {"EditChange", &Settings::EditChange},
                   {"EditMenuShowDelayExit", &Settings::EditMenuShowDelayExit}},
        .keyPress = {{"EditMenuShowDelayKeyPress", &Settings::EditMenuShowDelayKeyPress}}};
    return table;
}

void Settings::OdczytajButtonClick(TObject* sender) {
    {
        ReadingScope reading(changes_);
        ClearChangeMarks();
        changes_.SetChangeCount(0);
        changes_.UpdateZastosujButton();
        TRegistry registry(application_.Services().registry);
        ReadCatalogue(registry, readOrder_);
        registry.SetRootKey(RootKey::LocalMachine);
        steps_.ReadPassword(registry);
        steps_.ReadAddRemove(registry);
    }
    steps_.LanguageStep(sender);
    steps_.ClearIconMarks();
    steps_.ReadIcons();
}

void Settings::ZastosujButtonClick(TObject* sender) {
    const Platform& services = application_.Services();
    UndoJournal(services).SaveBefore("Apply",
                                     [this](RegistryStore& store) { WriteChanges(store); });
    WriteChanges(services.registry);
    Shell& shell = services.shell;
    shell.NotifyImagesChanged();
    shell.NotifyAssociationsChanged();
    OdczytajButtonClick(sender);
}

void Settings::WriteChanges(RegistryStore& store) {
    {
        TRegistry registry(store);
        ApplyCatalogue(registry, applyOrder_);
        registry.SetRootKey(RootKey::LocalMachine);
        steps_.ApplyPassword(registry);
    }
    steps_.WriteIcons(store);
}

void Settings::ClearChangeMarks() {
    auto* pages = dynamic_cast<TPageControl*>(form_.FindComponent("PageControl1"));
    if (!pages)
        return;
    for (int i = 0; i < pages->PageCount(); ++i) {
        for (TControl* control : pages->Page(i)->Controls()) {
            if (control->ClassNameIs("TCheckBox") || control->ClassNameIs("TPanel"))
                ChangeTracker::Unmark(*control);
            else if (auto* group = dynamic_cast<TGroupBox*>(control))
                for (TControl* inside : group->Controls())
                    if (inside->ClassNameIs("TCheckBox"))
                        ChangeTracker::Unmark(*inside);
        }
    }
}
