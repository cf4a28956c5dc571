#include "mainwindow/form1.h"

#include "app/password_option.h"
#include "i18n/languages.h"
#include "icons/shell_icons.h"
#include "platform/application.h"
#include "platform/handler_table.h"
#include "platform/layout_reader.h"
#include "platform/speed_button.h"
#include "profiles/profiles.h"
#include "programs/installed_programs.h"
#include "resources/layouts.h"
#include "settings/change_tracker.h"
#include "settings/settings.h"

TForm1::TForm1(TApplication& application, MessageTexts& texts) : TForm(application), texts_(texts) {
    LoadLayout(*this, "form1.layout", EmbeddedLayout, Form1Handlers());
    changes_ = std::make_unique<ChangeTracker>(FindAs<TSpeedButton>(*this, "ZastosujButton"));
    settings_ =
        std::make_unique<Settings>(*this, application, *changes_, static_cast<WindowSteps&>(*this));
    password_ = std::make_unique<PasswordOption>(*this, *changes_);
    icons_ = std::make_unique<ShellIcons>(*this, *changes_, texts_);
    programs_ = std::make_unique<InstalledPrograms>(*this, application, texts_);
    profiles_ = std::make_unique<Profiles>();
    languages_ = std::make_unique<Languages>(*this, application, texts_);
    application.Services().windows.CreateViews(*this);
    DoCreate();
}

TForm1::~TForm1() = default;
