// "O&dinstaluj": the selected entry's uninstaller, started as it is registered.
#include "programs/installed_programs.h"

#include "i18n/message_texts.h"
#include "platform/application.h"
#include "platform/registry.h"

void InstalledPrograms::UninstallButtonClick(TObject* /*sender*/) {
    const UninstallEntry* entry = SelectedEntry();
    if (!entry)
        return;
    TRegistry registry(application_.Services().registry);
    if (!OpenEntry(registry, *entry)) {
        application_.MessageBox(texts_[MsgNoUninstallPath], texts_[MsgWarning],
                                mb::Ok | mb::IconExclamation);
        return;
    }
    std::optional<ExactValue> command = registry.ReadExact(u"UninstallString");
    registry.CloseKey();
    // The line as stored, letters outside the code page included; only a plain string is
    // one, and nothing is said when there is none. The list stays as it is: the button's
    // hint asks the user to read again once the uninstaller is done.
    if (command && command->type == RegistryTypeCode::kString)
        application_.Services().processes.Start(command->AsText());
}
