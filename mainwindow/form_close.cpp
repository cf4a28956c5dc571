// Closing the main window: pending changes are offered for applying first.
#include "mainwindow/form1.h"

#include "i18n/message_texts.h"
#include "platform/application.h"
#include "settings/change_tracker.h"
#include "settings/settings.h"

namespace {

constexpr unsigned SaveQuestionFlags = mb::YesNoCancel | mb::IconQuestion;

} // namespace

void TForm1::FormClose(TObject* sender, TCloseAction& action) {
    if (Changes().ChangeCount() == 0)
        return;
    int answer = Application().MessageBox(Texts()[MsgSaveBeforeClose], Texts()[MsgChangesNotSaved],
                                          SaveQuestionFlags);
    if (answer == mb::IdYes) {
        // An error of Apply leaves this handler, so the window stays open with its marks.
        SettingsPart().ZastosujButtonClick(sender);
        action = TCloseAction::caFree;
    } else if (answer == mb::IdNo) {
        action = TCloseAction::caFree;
    } else {
        action = TCloseAction::caNone;
    }
}

void TForm1::CloseButtonClick(TObject* /*sender*/) {
    Close();
}
