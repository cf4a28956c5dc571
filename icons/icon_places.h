#pragma once
// The registry places of a slot's icon: the per-user copy of its class's DefaultIcon key
// (HKEY_CURRENT_USER), the class's DefaultIcon key (HKEY_CLASSES_ROOT) and the machine's
// Shell Icons table (HKEY_LOCAL_MACHINE). All hold string values.
#include "icons/icon_slots.h"

#include <optional>
#include <string>

class TRegistry;

inline const std::string ShellIconsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";

// The per-user class key, below HKEY_CURRENT_USER.
std::string PerUserClassKey(const IconSlot& slot);
std::string ClassIconKey(const IconSlot& slot);
std::string ShellIconsValueName(const IconSlot& slot);

// The location the registry configures for a slot: the first of its places, in the order
// above, that holds a string value of the slot's value name.
std::optional<std::string> ReadConfiguredLocation(TRegistry& registry, const IconSlot& slot);
