// Apply's icon step: each marked slot's location into its registry places.
#include "icons/icon_places.h"
#include "icons/icon_slots.h"
#include "icons/shell_icons.h"
#include "platform/registry.h"

void ShellIcons::WriteIcons(RegistryStore& store) {
    for (const IconSlot& slot : IconSlots())
        WriteSlotIcon(store, slot);
}

void ShellIcons::WriteSlotIcon(RegistryStore& store, const IconSlot& slot) {
    if (!IconChanged.at(slot.position))
        return;
    const std::string& location = IconLocations.at(slot.position);
    TRegistry registry(store);
    if (HasClassIcon(slot)) {
        // The per-user copy goes first: while it exists, Windows sends writes through
        // HKEY_CLASSES_ROOT to it, and deleting it afterwards would lose the new icon.
        registry.SetRootKey(RootKey::CurrentUser);
        if (registry.OpenKey(PerUserClassKey(slot), false)) {
            registry.DeleteKey(PerUserClassKey(slot) + "\\DefaultIcon");
            registry.CloseKey();
        }
        registry.SetRootKey(RootKey::ClassesRoot);
        if (registry.OpenKey(ClassIconKey(slot), true)) {
            registry.WriteString(slot.valueName, location);
            registry.CloseKey();
        }
    }
    if (HasShellIconsEntry(slot)) {
        registry.SetRootKey(RootKey::LocalMachine);
        if (registry.OpenKey(ShellIconsKey, true)) {
            registry.WriteString(ShellIconsValueName(slot), location);
            registry.CloseKey();
        }
    }
}
