#include "settings/shell_class_steps.h"

#include "platform/check_box.h"
#include "platform/registry.h"
#include "settings/catalogue.h"
#include "settings/change_tracker.h"
#include "settings/key_opening.h"
#include "settings/setting_keys.h"

#include <optional>

namespace {

// The default value of a key.
const std::string DefaultValue;

std::optional<std::string> StringValue(TRegistry& registry, const std::string& name) {
    if (registry.GetDataType(name) != TRegDataType::rdString)
        return std::nullopt;
    return registry.ReadString(name);
}

bool HoldsText(TRegistry& registry, const std::string& name, const std::string& text) {
    return StringValue(registry, name) == text;
}

const std::string& TextFor(const TCheckBox& box, const SettingRow& row) {
    return box.Checked() ? row.onText : row.offText;
}

} // namespace

void ReadAbsenceFlag(TRegistry& registry, TCheckBox& box, const std::string& name) {
    box.SetChecked(registry.GetDataType(name) != TRegDataType::rdString);
}

void WriteAbsenceFlagIfChanged(TRegistry& registry, const TCheckBox& box,
                               const std::string& offText, const std::string& name) {
    if (!ChangeTracker::IsMarked(box))
        return;
    if (box.Checked())
        registry.DeleteValue(name);
    else
        registry.WriteString(name, offText);
}

void ReadClassIcon(TRegistry& registry, TCheckBox& box, const SettingRow& row) {
    if (!OpenToRead(registry, row.key))
        return;
    auto className = StringValue(registry, row.value);
    registry.CloseKey();
    if (!className || className->empty())
        return;
    if (!OpenToRead(registry, DefaultIconKey(*className)))
        return;
    box.SetChecked(HoldsText(registry, DefaultValue, row.onText));
    registry.CloseKey();
}

void WriteClassIconIfChanged(TRegistry& registry, const TCheckBox& box, const SettingRow& row) {
    if (!OpenToWrite(registry, row.key))
        return;
    std::optional<std::string> className;
    if (ChangeTracker::IsMarked(box))
        className = StringValue(registry, row.value);
    registry.CloseKey();
    if (!className || className->empty())
        return;
    if (!OpenToWrite(registry, DefaultIconKey(*className)))
        return;
    registry.WriteString(DefaultValue, TextFor(box, row));
    registry.CloseKey();
}

void ReadPairedIcons(TRegistry& registry, TCheckBox& box, const SettingRow& row) {
    bool first = false;
    if (OpenToRead(registry, row.key)) {
        first = HoldsText(registry, row.value, row.onText);
        registry.CloseKey();
    }
    if (OpenToRead(registry, row.secondKey)) {
        box.SetChecked(HoldsText(registry, row.secondValue, row.onText) && first);
        registry.CloseKey();
    }
}

void WritePairedIconsIfChanged(TRegistry& registry, const TCheckBox& box, const SettingRow& row) {
    if (!ChangeTracker::IsMarked(box))
        return;
    const std::string& text = TextFor(box, row);
    if (OpenToWrite(registry, row.key)) {
        registry.WriteString(row.value, text);
        registry.CloseKey();
    }
    if (OpenToWrite(registry, row.secondKey)) {
        registry.WriteString(row.secondValue, text);
        registry.CloseKey();
    }
}
