#include "mainwindow/form1_handlers.h"

#include "app/password_option.h"
#include "mainwindow/form1.h"
#include "settings/settings.h"

#include <map>

namespace {

// Handlers of subsystems that are still to be built: their controls do nothing yet.
bool IsPending(const std::string& name) {
    static const char* const pending[] = {
        "OpenProfileButtonClick",   "SaveProfileButtonClick", "SaveStringsClick",
        "DisplayDialogButtonClick", "DefaultButtonClick",     "RCIButtonClick",
        "UninstallButtonClick",     "RemoveButtonClick",      "LanguageComboBoxChange"};
    for (const char* p : pending)
        if (name == p)
            return true;
    return false;
}

} // namespace

TNotifyEvent Form1Handlers::Notify(const std::string& name) const {
    TForm1* f = &form_;
    const std::map<std::string, TNotifyEvent> handlers = {
        {"FormCreate", [f](TObject* s) { f->FormCreate(s); }},
        {"FormDestroy", [f](TObject* s) { f->FormDestroy(s); }},
        {"FormResize", [f](TObject* s) { f->FormResize(s); }},
        {"CloseButtonClick", [f](TObject* s) { f->CloseButtonClick(s); }},
        {"WebPageLabelClick", [f](TObject* s) { f->WebPageLabelClick(s); }},
        {"OdczytajButtonClick", [f](TObject* s) { f->SettingsPart().OdczytajButtonClick(s); }},
        {"ZastosujButtonClick", [f](TObject* s) { f->SettingsPart().ZastosujButtonClick(s); }},
        {"CheckBoxClick", [f](TObject* s) { f->SettingsPart().CheckBoxClick(s); }},
        {"UpperBoxClick", [f](TObject* s) { f->SettingsPart().UpperBoxClick(s); }},
        {"EditChange", [f](TObject* s) { f->SettingsPart().EditChange(s); }},
        {"EditMenuShowDelayExit", [f](TObject* s) { f->SettingsPart().EditMenuShowDelayExit(s); }},
        {"PasswordEditChange", [f](TObject* s) { f->PasswordPart().PasswordEditChange(s); }},
    };
    if (auto it = handlers.find(name); it != handlers.end())
        return it->second;
    if (IsPending(name))
        return nullptr;
    NoHandler(name);
}

TKeyPressEvent Form1Handlers::KeyPress(const std::string& name) const {
    TForm1* f = &form_;
    if (name == "EditMenuShowDelayKeyPress")
        return [f](TObject* s, char& key) { f->SettingsPart().EditMenuShowDelayKeyPress(s, key); };
    NoHandler(name);
}

TCloseEvent Form1Handlers::Close(const std::string& name) const {
    TForm1* f = &form_;
    if (name == "FormClose")
        return [f](TObject* s, TCloseAction& action) { f->FormClose(s, action); };
    NoHandler(name);
}

TDrawItemEvent Form1Handlers::DrawItem(const std::string& name) const {
    if (name == "IconsListBoxDrawItem")
        return nullptr;
    NoHandler(name);
}
