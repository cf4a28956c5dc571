#pragma once
// The installed programs of the "Dodaj / Usuń" tab: the list of uninstall entries and the
// key name of each, parallel to the list.
#include "platform/handler_table.h"
#include "platform/string_list.h"

class TRegistry;

class InstalledPrograms {
public:
    static const HandlerTable<InstalledPrograms>& Handlers();

    // The window's creation: unsorted, duplicates accepted.
    void CreateKeyList();
    // The window's destruction.
    void ReleaseKeyList();

    // The step of Read. Root HKEY_LOCAL_MACHINE and no key open, on entry and on exit.
    void ReadAddRemove(TRegistry& registry);
    void UninstallButtonClick(TObject* sender);
    void RemoveButtonClick(TObject* sender);

    TStringList AddRemoveKeys;
};
