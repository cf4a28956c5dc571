#pragma once
// TPasswordForm: the window that asks for the access password at start. It is created
// only when a password is stored, while the main window is created but kept hidden. The
// user gets one attempt: whichever way the window closes, the typed text either unlocks
// the main window or ends the program, without a word either way.
#include "platform/form.h"

class TPasswordForm : public TForm {
public:
    // Builds the window from its layout; it shows at once, on top and centred, with the
    // focus in Edit1. `mainWindow` is the window the password unlocks.
    TPasswordForm(TApplication& application, TForm& mainWindow);
    std::string_view ClassName() const override { return "TPasswordForm"; }

    void Edit1Enter(TObject* sender);
    void Edit1Exit(TObject* sender);
    void Button1Click(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

private:
    TForm& mainWindow_;
};
