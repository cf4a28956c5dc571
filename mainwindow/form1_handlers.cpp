// The handler names the main window's layout may use.
#include "mainwindow/form1.h"

#include "app/password_option.h"
#include "i18n/languages.h"
#include "icons/shell_icons.h"
#include "platform/handler_table.h"
#include "profiles/profiles.h"
#include "programs/installed_programs.h"
#include "settings/settings.h"

namespace {

const HandlerTable<TForm1>& WindowHandlers() {
    static const HandlerTable<TForm1> table{
        .notify = {{"FormCreate", &TForm1::FormCreate},
                   {"FormDestroy", &TForm1::FormDestroy},
                   {"FormResize", &TForm1::FormResize},
                   {"CloseButtonClick", &TForm1::CloseButtonClick},
                   {"WebPageLabelClick", &TForm1::WebPageLabelClick}},
        .close = {{"FormClose", &TForm1::FormClose}}};
    return table;
}

} // namespace

JoinedHandlers TForm1::Form1Handlers() {
    JoinedHandlers handlers("main window");
    handlers.Join(WindowHandlers(), *this);
    handlers.Join(Settings::Handlers(), settings_);
    handlers.Join(PasswordOption::Handlers(), password_);
    handlers.Join(ShellIcons::Handlers(), icons_);
    handlers.Join(InstalledPrograms::Handlers(), programs_);
    handlers.Join(Profiles::Handlers(), profiles_);
    handlers.Join(Languages::Handlers(), languages_);
    return handlers;
}
