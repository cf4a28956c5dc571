#include "app/password_form_handlers.h"

#include "app/password_form.h"

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

TCloseEvent PasswordFormHandlers::Close(const std::string& name) const {
    TPasswordForm* f = &form_;
    if (name == "FormClose")
        return [f](TObject* s, TCloseAction& action) { f->FormClose(s, action); };
    NoHandler(name);
}
