// The steps of Read and Apply that belong to the other parts of the window.
#include "mainwindow/form1.h"

#include "app/password_option.h"

#include <algorithm>

void TForm1::ReadPassword(TRegistry& registry) {
    PasswordPart().ReadPassword(registry);
}

void TForm1::ApplyPassword(TRegistry& registry) {
    PasswordPart().ApplyPassword(registry);
}

// The installed programs, the languages and the shell icons have not been built yet; until
// they are, their steps leave everything as it is.
void TForm1::ReadAddRemove(TRegistry& /*registry*/) {}
void TForm1::LanguageStep(TObject* /*sender*/) {}
void TForm1::ReadIcons() {}
void TForm1::WriteIcons() {}

void TForm1::ClearIconMarks() {
    std::fill(IconChanged.begin(), IconChanged.end(), false);
}
