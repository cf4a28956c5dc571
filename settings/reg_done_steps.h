#pragma once
// RegDoneBox: one box for two REG_SZ values, the row's value in its key and the second value
// in the second key. Both steps open and close the keys themselves; the registry's root is
// the row's on entry.
class TCheckBox;
class TRegistry;
struct SettingRow;

// The first value decides; only when it leaves the box unticked is the second consulted.
void ReadTwoPlaceText(TRegistry& registry, TCheckBox& box, const SettingRow& row);
// Opens both keys with creation, marked or not; a marked box writes the on-text or the
// off-text to both values.
void WriteTwoPlaceTextIfChanged(TRegistry& registry, const TCheckBox& box, const SettingRow& row);
