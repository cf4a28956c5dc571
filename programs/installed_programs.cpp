#include "programs/installed_programs.h"

const HandlerTable<InstalledPrograms>& InstalledPrograms::Handlers() {
    static const HandlerTable<InstalledPrograms> table{
        .notify = {{"UninstallButtonClick", &InstalledPrograms::UninstallButtonClick},
                   {"RemoveButtonClick", &InstalledPrograms::RemoveButtonClick}}};
    return table;
}

void InstalledPrograms::CreateKeyList() {
    AddRemoveKeys.Clear();
    AddRemoveKeys.SetSorted(false);
    AddRemoveKeys.SetDuplicates(TDuplicates::dupAccept);
}

void InstalledPrograms::ReleaseKeyList() {
    AddRemoveKeys.Clear();
}

// The list, the uninstaller and the removal are still to be built (issue 10); until then
// the tab's list stays empty and its buttons do nothing.
void InstalledPrograms::ReadAddRemove(TRegistry& /*registry*/) {}
void InstalledPrograms::UninstallButtonClick(TObject* /*sender*/) {}
void InstalledPrograms::RemoveButtonClick(TObject* /*sender*/) {}
