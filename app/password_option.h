#pragma once
// The access-password option of the "O programie" tab: PasswordBox says whether a password
// is set and PasswordEdit holds its text. The box's change mark stands for both, so a typed
// text marks the box; Apply then stores the text or removes the program's key.
#include "platform/handler_table.h"

class ChangeTracker;
class TCheckBox;
class TComponent;
class TEdit;
class TObject;
class TRegistry;

class PasswordOption {
public:
    // Binds the option to the window's controls; raises when the window lacks one.
    PasswordOption(const TComponent& form, ChangeTracker& changes);
    static const HandlerTable<PasswordOption>& Handlers();

    // The password step of Read. Root HKEY_LOCAL_MACHINE and no key open, on entry and on
    // exit.
    void ReadPassword(TRegistry& registry);
    // The password step of Apply, under the same conditions; it reports nothing when the key
    // can be neither opened nor created.
    void ApplyPassword(TRegistry& registry);
    // The change handler of PasswordEdit.
    void PasswordEditChange(TObject* sender);

private:
    TCheckBox& passwordBox_;
    TEdit& passwordEdit_;
    ChangeTracker& changes_;
};
