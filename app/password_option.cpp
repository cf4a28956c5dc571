#include "app/password_option.h"

#include "app/stored_password.h"
#include "platform/check_box.h"
#include "platform/edit.h"
#include "platform/registry.h"
#include "settings/change_tracker.h"

PasswordOption::PasswordOption(const TComponent& form, ChangeTracker& changes)
    : passwordBox_(FindAs<TCheckBox>(form, "PasswordBox")),
      passwordEdit_(FindAs<TEdit>(form, "PasswordEdit")), changes_(changes) {}

const HandlerTable<PasswordOption>& PasswordOption::Handlers() {
    static const HandlerTable<PasswordOption> table{
        .notify = {{"PasswordEditChange", &PasswordOption::PasswordEditChange}}};
    return table;
}

void PasswordOption::ReadPassword(TRegistry& registry) {
    // Without the key both controls keep what they show, as every setting whose key is
    // missing does; the edit keeps its old text even when the box is unticked.
    if (!OpenPasswordKey(registry))
        return;
    std::optional<std::string> stored = PasswordOfOpenKey(registry);
    registry.CloseKey();
    // Read's flag is raised, so the box's click handler only shows or hides the edit.
    passwordBox_.SetChecked(stored.has_value());
    if (stored)
        passwordEdit_.SetText(*stored);
}

void PasswordOption::ApplyPassword(TRegistry& registry) {
    if (!ChangeTracker::IsMarked(passwordBox_))
        return;
    if (passwordBox_.Checked()) {
        if (registry.OpenKey(PasswordKey, true)) {
            registry.WriteString(PasswordValue, passwordEdit_.Text());
            registry.CloseKey();
        }
        return;
    }
    // Removing the password removes the program's key as a whole; a key already gone is
    // no error.
    registry.DeleteKey(PasswordKey);
    registry.DeleteKey(PasswordParentKey);
}

void PasswordOption::PasswordEditChange(TObject* /*sender*/) {
    // The text has no mark of its own: the box's mark is set (not toggled), and every
    // typed change counts. Code that assigns the text leaves Modified false.
    if (passwordEdit_.Modified()) {
        ChangeTracker::Mark(passwordBox_);
        changes_.AddChanges(1);
    }
    changes_.UpdateZastosujButton();
}
