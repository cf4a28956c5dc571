#pragma once
// TForm1: the program's main window. It is built from its layout description, owns the
// state the subsystems share, and wires each event of the layout to the subsystem that
// handles it.
#include "platform/form.h"
#include "platform/string_list.h"
#include "settings/window_steps.h"

#include <memory>
#include <string>
#include <vector>

class ChangeTracker;
class MessageTexts;
class PasswordOption;
class Settings;

class TForm1 : public TForm, private WindowSteps {
public:
    TForm1(TApplication& application, MessageTexts& texts);
    ~TForm1() override;
    std::string_view ClassName() const override { return "TForm1"; }

    MessageTexts& Texts() const { return texts_; }
    ChangeTracker& Changes() const { return *changes_; }
    Settings& SettingsPart() const { return *settings_; }
    PasswordOption& PasswordPart() const { return *password_; }

    // The window's own handlers.
    void FormCreate(TObject* sender);
    void FormDestroy(TObject* sender);
    void FormResize(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void CloseButtonClick(TObject* sender);
    void WebPageLabelClick(TObject* sender);
    void DisplayHint(TObject* sender);

    // State the window owns for its whole life.
    TStringList IniStrings;
    std::string IniFileName;
    TStringList AddRemoveKeys;
    // Program-wide state that lives as long as the window: one entry per icon slot.
    std::vector<std::string> IconLocations;
    std::vector<bool> IconChanged;

private:
    void ReadPassword(TRegistry& registry) override;
    void ApplyPassword(TRegistry& registry) override;
    void ReadAddRemove(TRegistry& registry) override;
    void LanguageStep(TObject* sender) override;
    void ClearIconMarks() override;
    void ReadIcons() override;
    void WriteIcons() override;

    MessageTexts& texts_;
    std::unique_ptr<ChangeTracker> changes_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<PasswordOption> password_;
};
