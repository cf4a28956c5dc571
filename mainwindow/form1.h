#pragma once
// TForm1: the program's main window. It is built from its layout description, creates one
// object per part of the window, hands each what it needs, and joins the handler tables
// the parts declare.
#include "platform/form.h"
#include "settings/window_steps.h"

#include <memory>

class ChangeTracker;
class InstalledPrograms;
class JoinedHandlers;
class Languages;
class MessageTexts;
class PasswordOption;
class Profiles;
class Settings;
class ShellIcons;

class TForm1 : public TForm, private WindowSteps {
public:
    TForm1(TApplication& application, MessageTexts& texts);
    ~TForm1() override;
    std::string_view ClassName() const override { return "TForm1"; }

    MessageTexts& Texts() const { return texts_; }
    ChangeTracker& Changes() const { return *changes_; }
    Settings& SettingsPart() const { return *settings_; }
    PasswordOption& PasswordPart() const { return *password_; }
    ShellIcons& IconsPart() const { return *icons_; }
    InstalledPrograms& ProgramsPart() const { return *programs_; }
    Profiles& ProfilesPart() const { return *profiles_; }
    Languages& LanguagesPart() const { return *languages_; }

    // The window's own handlers.
    void FormCreate(TObject* sender);
    void FormDestroy(TObject* sender);
    void FormResize(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void CloseButtonClick(TObject* sender);
    void WebPageLabelClick(TObject* sender);
    void DisplayHint(TObject* sender);

private:
    // Every handler the layout may name: the window's own and those of its parts.
    JoinedHandlers Form1Handlers();

    void ReadPassword(TRegistry& registry) override;
    void ApplyPassword(TRegistry& registry) override;
    void ReadAddRemove(TRegistry& registry) override;
    void LanguageStep(TObject* sender) override;
    void ClearIconMarks() override;
    void ReadIcons() override;
    void WriteIcons(RegistryStore& store) override;

    MessageTexts& texts_;
    std::unique_ptr<ChangeTracker> changes_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<PasswordOption> password_;
    std::unique_ptr<ShellIcons> icons_;
    std::unique_ptr<InstalledPrograms> programs_;
    std::unique_ptr<Profiles> profiles_;
    std::unique_ptr<Languages> languages_;
};
