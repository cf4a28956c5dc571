// The steps of Read and Apply that belong to the other parts of the window.
#include "mainwindow/form1.h"

#include "app/password_option.h"
#include "i18n/languages.h"
#include "icons/shell_icons.h"
#include "platform/application.h"
#include "programs/installed_programs.h"

void TForm1::ReadPassword(TRegistry& registry) {
    PasswordPart().ReadPassword(registry);
}

void TForm1::ApplyPassword(TRegistry& registry) {
    PasswordPart().ApplyPassword(registry);
}

void TForm1::ReadAddRemove(TRegistry& registry) {
    ProgramsPart().ReadAddRemove(registry);
}

void TForm1::LanguageStep(TObject* sender) {
    LanguagesPart().LanguageStep(sender);
}

void TForm1::ClearIconMarks() {
    IconsPart().ClearIconMarks();
}

void TForm1::ReadIcons() {
    IconsPart().ReadIcons();
}

void TForm1::WriteIcons(RegistryStore& store) {
    IconsPart().WriteIcons(store);
}
