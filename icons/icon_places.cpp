#include "icons/icon_places.h"

#include "platform/registry.h"
#include "platform/str_to_int.h"

namespace {

const std::string DefaultIcon = "DefaultIcon";

// A value of any other type counts as absent; the key is closed again either way.
std::optional<std::string> ReadStringPlace(TRegistry& registry, RootKey root,
                                           const std::string& key, const std::string& name) {
    registry.SetRootKey(root);
    if (!registry.KeyExists(key) || !registry.OpenKey(key, false))
        return std::nullopt;
    std::optional<std::string> text;
    if (registry.ValueExists(name) && registry.GetDataType(name) == TRegDataType::rdString)
        text = registry.ReadString(name);
    registry.CloseKey();
    return text;
}

} // namespace

std::string PerUserClassKey(const IconSlot& slot) {
    return std::string("SOFTWARE\\Classes\\") + slot.classKey;
}

std::string ClassIconKey(const IconSlot& slot) {
    return std::string(slot.classKey) + "\\" + DefaultIcon;
}

std::string ShellIconsValueName(const IconSlot& slot) {
    return IntToStr(slot.shellIconIndex);
}

std::optional<std::string> ReadConfiguredLocation(TRegistry& registry, const IconSlot& slot) {
    std::optional<std::string> found;
    if (HasClassIcon(slot)) {
        found = ReadStringPlace(registry, RootKey::CurrentUser,
                                PerUserClassKey(slot) + "\\" + DefaultIcon, slot.valueName);
        if (!found)
            found =
                ReadStringPlace(registry, RootKey::ClassesRoot, ClassIconKey(slot), slot.valueName);
    }
    if (!found && HasShellIconsEntry(slot))
        found = ReadStringPlace(registry, RootKey::LocalMachine, ShellIconsKey,
                                ShellIconsValueName(slot));
    return found;
}
