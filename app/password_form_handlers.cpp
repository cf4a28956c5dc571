#include "app/password_form_handlers.h"

#include "app/password_form.h"
#include "platform/exceptions.h"

namespace {

[[noreturn]] void NoHandler(const std::string& name) {
    throw EInvalidOperation("The password window has no handler " + name);
}

} // namespace

TNotifyEvent PasswordFormHandlers::Notify(const std::string& name) const {
    TPasswordForm* f = &form_;
    if (name == "Edit1Enter")
        return [f](TObject* s) { f->Edit1Enter(s); };
    if (name == "Edit1Exit")
        return [f](TObject* s) { f->Edit1Exit(s); };
    if (name == "Button1Click")
        return [f](TObject* s) { f->Button1Click(s); };
    NoHandler(name);
}

TKeyPressEvent PasswordFormHandlers::KeyPress(const std::string& name) const {
    NoHandler(name);
}

TCloseEvent PasswordFormHandlers::Close(const std::string& name) const {
    TPasswordForm* f = &form_;
    if (name == "FormClose")
        return [f](TObject* s, TCloseAction& action) { f->FormClose(s, action); };
    NoHandler(name);
}

TDrawItemEvent PasswordFormHandlers::DrawItem(const std::string& name) const {
    NoHandler(name);
}
