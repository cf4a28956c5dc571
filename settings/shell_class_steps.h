#pragma once
// Settings of the shell's file classes under HKEY_CLASSES_ROOT whose encodings are their own.
#include <string>

class TCheckBox;
class TRegistry;
struct SettingRow;

// The row's value present as a REG_SZ means unticked; absent (or of another type), ticked.
void ReadAbsenceFlag(TRegistry& registry, TCheckBox& box, const std::string& name);
// Only for a marked box: ticked deletes the value, unticked writes `offText`.
void WriteAbsenceFlagIfChanged(TRegistry& registry, const TCheckBox& box,
                               const std::string& offText, const std::string& name);

// The row's key names the class by its default value; the setting is the default value of
// that class's DefaultIcon key. Nothing happens when the class name is not a non-empty
// REG_SZ. The registry's root is the row's, with no key open, on entry and on exit.
void ReadClassIcon(TRegistry& registry, TCheckBox& box, const SettingRow& row);
// Opens the row's key with creation, marked or not; opens the class's DefaultIcon key only
// for a marked box.
void WriteClassIconIfChanged(TRegistry& registry, const TCheckBox& box, const SettingRow& row);

// Ticked only when the default values of the row's key and of its second key are both the
// on-text. A missing first key counts as not the on-text; a missing second key leaves the
// box as it is.
void ReadPairedIcons(TRegistry& registry, TCheckBox& box, const SettingRow& row);
// Only for a marked box: opens both keys with creation and writes the on-text or off-text
// to their default values.
void WritePairedIconsIfChanged(TRegistry& registry, const TCheckBox& box, const SettingRow& row);
