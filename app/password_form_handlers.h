#pragma once
// The handler names of the password window's layout, bound to its methods.
#include "platform/layout_value.h"

class TPasswordForm;

class PasswordFormHandlers : public EventHandlers {
public:
    explicit PasswordFormHandlers(TPasswordForm& form)
        : EventHandlers("password window"), form_(form) {}

    TNotifyEvent Notify(const std::string& name) const override;
    TCloseEvent Close(const std::string& name) const override;

private:
    TPasswordForm& form_;
};
