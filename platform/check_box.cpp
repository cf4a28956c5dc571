#include "platform/check_box.h"

void TCheckBox::SetChecked(bool checked) {
    if (checked_ == checked)
        return;
    checked_ = checked;
    Changed(ViewChange::Checked);
    TControl::Click();
}

bool TCheckBox::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "Checked")
        checked_ = v.AsBool();
    else
        return TWinControl::SetProperty(name, v);
    return true;
}
