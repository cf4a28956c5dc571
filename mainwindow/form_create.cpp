// Creation and destruction of the main window.
#include "mainwindow/form1.h"

#include "i18n/languages.h"
#include "icons/shell_icons.h"
#include "platform/application.h"
#include "programs/installed_programs.h"
#include "settings/change_tracker.h"
#include "settings/settings.h"

void TForm1::FormCreate(TObject* sender) {
    TApplication& app = Application();
    // An index file that cannot be read is reported, and the window is built all the same:
    // everything after this step is needed by the rest of the program.
    try {
        LanguagesPart().Index().Load(app.Services().files, app.Services().folders, app.ExeName());
    } catch (const std::exception& e) {
        app.HandleException(e);
    }
    Changes().SetChangeCount(0);
    Changes().SetReadInProgress(false);
    app.OnHint = [this](TObject* s) { DisplayHint(s); };
    IconsPart().CreateSlots();
    ProgramsPart().CreateKeyList();
    IconsPart().AddPlaceholders(app.Icon());
    SettingsPart().OdczytajButtonClick(sender);
    IconsPart().SetListColumnWidth();
}

void TForm1::FormDestroy(TObject* /*sender*/) {
    IconsPart().ReleaseSlots();
    ProgramsPart().ReleaseKeyList();
    LanguagesPart().Index().Release();
}
