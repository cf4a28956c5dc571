#include "settings/reg_done_steps.h"

#include "platform/check_box.h"
#include "platform/registry.h"
#include "settings/catalogue.h"
#include "settings/key_opening.h"
#include "settings/text_flag_steps.h"

void ReadTwoPlaceText(TRegistry& registry, TCheckBox& box, const SettingRow& row) {
    if (OpenToRead(registry, row.key)) {
        ReadTextFlag(registry, box, row.onText, row.value);
        registry.CloseKey();
    }
    if (box.Checked())
        return;
    if (OpenToRead(registry, row.secondKey)) {
        ReadTextFlag(registry, box, row.onText, row.secondValue);
        registry.CloseKey();
    }
}

void WriteTwoPlaceTextIfChanged(TRegistry& registry, const TCheckBox& box, const SettingRow& row) {
    const std::string& text = box.Checked() ? row.onText : row.offText;
    if (OpenToWrite(registry, row.key)) {
        WriteTextIfChanged(registry, box, text, row.value);
        registry.CloseKey();
    }
    if (OpenToWrite(registry, row.secondKey)) {
        WriteTextIfChanged(registry, box, text, row.secondValue);
        registry.CloseKey();
    }
}
