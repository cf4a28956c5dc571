#include "programs/entry_removal.h"

#include "platform/registry.h"

bool DeleteUninstallEntry(RegistryStore& store, const UninstallEntry& entry) {
    TRegistry registry(store);
    registry.SetRootKey(entry.place.root);
    registry.SetView(entry.place.view);
    // No look first: a key that is gone already is a failure to report like any other.
    return registry.DeleteKey(EntryPath(entry));
}
