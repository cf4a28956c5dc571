// "&Usuń wpis": removing the selected entry's key without uninstalling anything.
#include "programs/installed_programs.h"

#include "i18n/message_texts.h"
#include "platform/application.h"
#include "platform/registry.h"
#include "programs/entry_removal.h"
#include "undo/undo_journal.h"

void InstalledPrograms::RemoveButtonClick(TObject* /*sender*/) {
    const UninstallEntry* selected = SelectedEntry();
    if (!selected)
        return;
    // Copied before the question: its box runs the event loop, so the list is not ours
    // again until the box has closed.
    const UninstallEntry entry = *selected;
    if (application_.MessageBox(texts_[MsgConfirmRemove], texts_[MsgWarning],
                                mb::YesNo | mb::IconQuestion) != mb::IdYes)
        return;
    // A journal that cannot be written raises here, before the key is touched.
    UndoJournal(application_.Services()).SaveBefore("Remove", [&](RegistryStore& rehearsal) {
        DeleteUninstallEntry(rehearsal, entry);
    });
    RegistryStore& store = application_.Services().registry;
    bool deleted = DeleteUninstallEntry(store, entry);
    application_.MessageBox(texts_[deleted ? MsgKeyDeleted : MsgKeyDeleteFailed],
                            texts_[MsgWarning], mb::Ok | mb::IconInformation);
    // Whatever the outcome, so that the list shows what the registry still holds.
    TRegistry registry(store);
    ReadAddRemove(registry);
}
