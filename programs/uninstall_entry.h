#pragma once
// An uninstall entry: a sub-key of one of the places where Windows lists the installed
// programs, known by that place and its key name exactly as the registry holds it.
#include "platform/registry_store.h"

#include <array>
#include <string>

class TRegistry;

struct UninstallPlace {
    RootKey root;
    RegistryView view;
};

// The machine's programs as a 64-bit program sees them, the machine's 32-bit programs
// (registered in the 32-bit view), and the current user's own installs, in reading order.
inline constexpr std::array<UninstallPlace, 3> UninstallPlaces = {{
    {RootKey::LocalMachine, RegistryView::Bits64},
    {RootKey::LocalMachine, RegistryView::Bits32},
    {RootKey::CurrentUser, RegistryView::Bits64},
}};

// The key whose immediate sub-keys are the entries, in each place.
inline constexpr char16_t UninstallKey[] =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

struct UninstallEntry {
    UninstallPlace place;
    std::u16string keyName;
};

// The entry's key below its root.
std::u16string EntryPath(const UninstallEntry& entry);
// Puts the accessor on the entry's root and view and opens its key without creating it;
// false when it cannot be opened.
bool OpenEntry(TRegistry& registry, const UninstallEntry& entry);
