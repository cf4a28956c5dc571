#pragma once
// The settings of the main window: Read (OdczytajButtonClick) brings the controls into line
// with the registry, Apply (ZastosujButtonClick) writes back what the user changed, and the
// change handlers mark what changed in between.
#include "platform/handler_table.h"
#include "settings/bound_rows.h"
#include "settings/master_boxes.h"

#include <vector>

class ChangeTracker;
class RegistryStore;
class TApplication;
class TEdit;
class TForm;
class TObject;
class WindowSteps;

class Settings {
public:
    // Binds the catalogue to the form's controls; raises when the form lacks one.
    Settings(TForm& form, TApplication& application, ChangeTracker& changes, WindowSteps& steps);
    static const HandlerTable<Settings>& Handlers();

    void OdczytajButtonClick(TObject* sender);
    // Apply saves an undo journal of what it is about to write, writes, tells the shell and
    // reads again. A journal that cannot be written raises before anything is written. A
    // refused write raises and ends Apply there: what was written stays, the marks stay, and
    // neither the icons, the notifications nor the final Read run.
    void ZastosujButtonClick(TObject* sender);
    // Apply's registry writes and nothing else: the marked settings, the password and the
    // changed icons, to the given store.
    void WriteChanges(RegistryStore& store);

    void CheckBoxClick(TObject* sender);
    void UpperBoxClick(TObject* sender);
    void EditChange(TObject* sender);
    void EditMenuShowDelayKeyPress(TObject* sender, char& key);
    void EditMenuShowDelayExit(TObject* sender);

private:
    void ClearChangeMarks();

    TForm& form_;
    TApplication& application_;
    ChangeTracker& changes_;
    WindowSteps& steps_;
    std::vector<BoundRow> applyOrder_;
    std::vector<BoundRow> readOrder_;
    std::vector<MasterRow> masters_;
    TEdit& menuShowDelay_;
};
