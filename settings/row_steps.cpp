#include "settings/row_steps.h"

#include "settings/binary_byte_steps.h"
#include "settings/bound_rows.h"
#include "settings/catalogue.h"
#include "settings/edit_steps.h"
#include "settings/flag_steps.h"
#include "settings/reg_done_steps.h"
#include "settings/shell_class_steps.h"
#include "settings/text_flag_steps.h"

#include "platform/check_box.h"

namespace {

std::uint8_t Byte(std::uint32_t value) {
    return static_cast<std::uint8_t>(value);
}

} // namespace

void ReadRow(TRegistry& registry, const BoundRow& b) {
    const SettingRow& r = *b.row;
    switch (r.encoding) {
    case Encoding::PolicyFlag:
        return ReadFlag(registry, *b.box, r.onValue, r.value);
    case Encoding::TextFlag:
        return ReadTextFlag(registry, *b.box, r.onText, r.value);
    case Encoding::EditText:
    case Encoding::TrimmedEditText:
    case Encoding::EditTextOrDelete:
        return ReadEditText(registry, *b.edit, r.value);
    case Encoding::InfoTip:
        return ReadInfoTip(registry, *b.edit, r.key, r.value);
    case Encoding::BinaryFirstByte:
        return ReadFirstByteFlag(registry, *b.box, Byte(r.onValue), r.value);
    case Encoding::AbsenceFlag:
        return ReadAbsenceFlag(registry, *b.box, r.value);
    case Encoding::ClassIcon:
        return ReadClassIcon(registry, *b.box, r);
    case Encoding::PairedIcons:
        return ReadPairedIcons(registry, *b.box, r);
    case Encoding::TwoPlaceText:
        return ReadTwoPlaceText(registry, *b.box, r);
    }
}

void ApplyRow(TRegistry& registry, const BoundRow& b) {
    const SettingRow& r = *b.row;
    switch (r.encoding) {
    case Encoding::PolicyFlag:
        return WriteFlagIfChanged(registry, *b.box, r.onValue, r.value);
    case Encoding::TextFlag:
        return WriteTextIfChanged(registry, *b.box, b.box->Checked() ? r.onText : r.offText,
                                  r.value);
    case Encoding::EditText:
        return WriteEditIfChanged(registry, *b.edit, r.value);
    case Encoding::TrimmedEditText:
        return WriteTrimmedEditIfChanged(registry, *b.edit, r.value);
    case Encoding::EditTextOrDelete:
        return WriteEditOrDeleteIfChanged(registry, *b.edit, r.value);
    case Encoding::InfoTip:
        return WriteInfoTipIfChanged(registry, *b.edit, r.key, r.value);
    case Encoding::BinaryFirstByte:
        return WriteFirstByteIfChanged(registry, *b.box, Byte(r.onValue), Byte(r.offValue),
                                       r.value);
    case Encoding::AbsenceFlag:
        return WriteAbsenceFlagIfChanged(registry, *b.box, r.offText, r.value);
    case Encoding::ClassIcon:
        return WriteClassIconIfChanged(registry, *b.box, r);
    case Encoding::PairedIcons:
        return WritePairedIconsIfChanged(registry, *b.box, r);
    case Encoding::TwoPlaceText:
        return WriteTwoPlaceTextIfChanged(registry, *b.box, r);
    }
}
