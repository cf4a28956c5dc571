#include "programs/uninstall_entry.h"

#include "platform/registry.h"

std::u16string EntryPath(const UninstallEntry& entry) {
    return std::u16string(UninstallKey) + u'\\' + entry.keyName;
}

bool OpenEntry(TRegistry& registry, const UninstallEntry& entry) {
    registry.SetRootKey(entry.place.root);
    registry.SetView(entry.place.view);
    return registry.OpenKey(EntryPath(entry), false);
}
