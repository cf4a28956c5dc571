#pragma once
// The 39 shell icons of the "Ikony" tab, one row each. A slot is known everywhere by its
// position in IconsListBox, never by its text, which a language file may replace.
#include <array>
#include <string>

// Where the shell takes a slot's icon from: its class's DefaultIcon key, the machine's
// Shell Icons table, or both.
enum class TIconSlotKind { iskClassAndShellIcons, iskClassOnly, iskShellIconsOnly };

struct IconSlot {
    int position;
    // The list text as UTF-8 source.
    const char* listText;
    // Below HKEY_CLASSES_ROOT; "" for a slot of the Shell Icons table only.
    const char* classKey;
    // "" is the key's default value.
    const char* valueName;
    TIconSlotKind kind;
    // The value name in the Shell Icons table and the icon's index in shell32.dll; -1 for
    // the one slot that has no entry there.
    int shellIconIndex;
};

inline constexpr int IconSlotCount = 39;
const std::array<IconSlot, IconSlotCount>& IconSlots();

bool HasClassIcon(const IconSlot& slot);
bool HasShellIconsEntry(const IconSlot& slot);

// The icon a slot has when nothing configures another: "mydocs.dll,0" for My Documents,
// icon ShellIconIndex of "shell32.dll" for every other slot.
std::string DefaultIconFile(const IconSlot& slot);
int DefaultIconIndex(const IconSlot& slot);
std::string DefaultIconLocation(const IconSlot& slot);
