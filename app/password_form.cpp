#include "app/password_form.h"

#include "app/password_form_handlers.h"
#include "app/stored_password.h"
#include "platform/application.h"
#include "platform/edit.h"
#include "platform/layout_reader.h"
#include "resources/layouts.h"

namespace {

// Edit1 is lighter than the window while it has the focus and takes the window's colour
// again when it loses it.
constexpr TColor FocusedEditColor = 13612943;
constexpr TColor WindowColor = 13602864;

} // namespace

TPasswordForm::TPasswordForm(TApplication& application, TForm& mainWindow)
    : TForm(application), mainWindow_(mainWindow) {
    LoadLayout(*this, "password.layout", EmbeddedLayout, PasswordFormHandlers(*this));
    application.Services().windows.CreateViews(*this);
    DoCreate();
    // The window shows as it is created, so the focus enters Edit1 at once.
    FocusControl(ActiveControl());
}

void TPasswordForm::Edit1Enter(TObject* /*sender*/) {
    FindAs<TEdit>(*this, "Edit1").SetColor(FocusedEditColor);
}

void TPasswordForm::Edit1Exit(TObject* /*sender*/) {
    FindAs<TEdit>(*this, "Edit1").SetColor(WindowColor);
}

void TPasswordForm::Button1Click(TObject* /*sender*/) {
    Close();
}

void TPasswordForm::FormClose(TObject* /*sender*/, TCloseAction& /*action*/) {
    // The password is read again: a change made meanwhile by another program counts.
    std::string stored = ReadStoredPassword(Application().Services().registry).value_or("");
    if (FindAs<TEdit>(*this, "Edit1").Text() == stored)
        mainWindow_.Show();
    else
        // Closing the main window ends the program; nothing has changed since the first
        // Read, so it asks nothing.
        mainWindow_.Close();
}
