// The handlers that mark what the user changes between two Reads.
#include "settings/settings.h"

#include "platform/check_box.h"
#include "platform/edit.h"
#include "platform/panel.h"
#include "settings/change_tracker.h"

void Settings::CheckBoxClick(TObject* sender) {
    if (changes_.ReadInProgress())
        return;
    auto* box = dynamic_cast<TControl*>(sender);
    if (!box)
        return;
    // Every call follows a change of the box's state, so the mark toggles with it: a box
    // changed back to what Read showed is unmarked again.
    if (ChangeTracker::IsMarked(*box)) {
        ChangeTracker::Unmark(*box);
        changes_.AddChanges(-1);
    } else {
        ChangeTracker::Mark(*box);
        changes_.AddChanges(1);
    }
    changes_.UpdateZastosujButton();
}

void Settings::UpperBoxClick(TObject* sender) {
    CheckBoxClick(sender);
    // Also while Read runs, so that the dependents follow the states just read.
    UpdateDependents(masters_);
}

void Settings::EditChange(TObject* sender) {
    if (changes_.ReadInProgress())
        return;
    auto* edit = dynamic_cast<TEdit*>(sender);
    auto* panel = edit ? dynamic_cast<TPanel*>(edit->Parent()) : nullptr;
    if (!panel)
        return;
    // Only the user's typing marks, and every change of it counts again.
    if (edit->Modified()) {
        ChangeTracker::Mark(*panel);
        changes_.AddChanges(1);
    }
    changes_.UpdateZastosujButton();
}
