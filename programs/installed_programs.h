#pragma once
// The installed programs of the "Dodaj / Usuń" tab: the uninstall entries of every place
// Windows lists them, shown by display name in AddRemoveListBox, with the selected entry's
// uninstaller and the removal of an entry a program left behind.
#include "platform/handler_table.h"
#include "platform/string_list.h"
#include "programs/uninstall_entry.h"

#include <vector>

class MessageTexts;
class TApplication;
class TComponent;
class TListBox;
class TRegistry;

class InstalledPrograms {
public:
    // Binds the part to the window's list; raises when the window lacks it.
    InstalledPrograms(const TComponent& form, TApplication& application, MessageTexts& texts);
    static const HandlerTable<InstalledPrograms>& Handlers();

    // The window's creation: unsorted, duplicates accepted.
    void CreateKeyList();
    // The window's destruction.
    void ReleaseKeyList();

    // Rebuilds the list from the three places, in the sorted order of the list's texts.
    // Leaves the accessor on HKEY_LOCAL_MACHINE in the 64-bit view with no key open.
    void ReadAddRemove(TRegistry& registry);
    // Starts the selected entry's uninstaller, or says its key is gone.
    void UninstallButtonClick(TObject* sender);
    // Asks, deletes the selected entry's key, reports how it went and rebuilds the list.
    void RemoveButtonClick(TObject* sender);

    // Item i of the list is entry i of both: AddRemoveKeys holds its key name as the window
    // holds text (Windows-1250), AddRemoveEntries where it came from and its name exactly.
    // The key name alone cannot tell which of the three places an entry lives in, and a
    // name the code page cannot hold would name no key, so the handlers act on the entries.
    TStringList AddRemoveKeys;
    std::vector<UninstallEntry> AddRemoveEntries;

private:
    // The entry of the selected item; null when nothing is selected.
    const UninstallEntry* SelectedEntry() const;
    void ReadPlace(TRegistry& registry, UninstallPlace place);
    void AddEntry(const std::string& displayName, UninstallEntry entry);

    TListBox& list_;
    TApplication& application_;
    MessageTexts& texts_;
};
