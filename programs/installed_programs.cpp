#include "programs/installed_programs.h"

#include "platform/list_box.h"
#include "platform/registry.h"
#include "platform/text_codec.h"

InstalledPrograms::InstalledPrograms(const TComponent& form, TApplication& application,
                                     MessageTexts& texts)
    : list_(FindAs<TListBox>(form, "AddRemoveListBox")), application_(application), texts_(texts) {}

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
    AddRemoveEntries.clear();
}

void InstalledPrograms::ReleaseKeyList() {
    AddRemoveKeys.Clear();
    AddRemoveEntries.clear();
}

void InstalledPrograms::ReadAddRemove(TRegistry& registry) {
    AddRemoveKeys.Clear();
    AddRemoveEntries.clear();
    list_.Clear();
    for (UninstallPlace place : UninstallPlaces)
        ReadPlace(registry, place);
    registry.SetRootKey(RootKey::LocalMachine);
    registry.SetView(RegistryView::Bits64);
}

void InstalledPrograms::ReadPlace(TRegistry& registry, UninstallPlace place) {
    registry.SetRootKey(place.root);
    registry.SetView(place.view);
    // Opening is the test of existence: a key that is there but cannot be opened gives
    // nothing either way, and under Wine every question is a round trip to the server.
    if (!registry.OpenKey(std::u16string(UninstallKey), false))
        return;
    std::vector<std::u16string> keyNames;
    registry.GetKeyNames(keyNames);
    registry.CloseKey();
    for (std::u16string& keyName : keyNames) {
        UninstallEntry entry{place, std::move(keyName)};
        // Only a plain string is a display name; the entries are neither merged nor
        // filtered beyond that, so equal and empty names are listed too.
        if (registry.OpenKey(EntryPath(entry), false) &&
            registry.GetDataType("DisplayName") == TRegDataType::rdString)
            AddEntry(registry.ReadString("DisplayName"), std::move(entry));
        registry.CloseKey();
    }
}

void InstalledPrograms::AddEntry(const std::string& displayName, UninstallEntry entry) {
    // The list puts the name where its own order says, and the entry goes to the same
    // position, whatever that order is and however many names are equal.
    int at = list_.Add(displayName);
    AddRemoveKeys.Insert(at, Utf16ToCp1250(entry.keyName));
    AddRemoveEntries.insert(AddRemoveEntries.begin() + at, std::move(entry));
}

const UninstallEntry* InstalledPrograms::SelectedEntry() const {
    int index = list_.ItemIndex();
    return index < 0 ? nullptr : &AddRemoveEntries[static_cast<std::size_t>(index)];
}
