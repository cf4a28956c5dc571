#pragma once
// TCheckBox: raises OnClick whenever its state changes (a click, a key or code) and never
// when Checked is set to the state it already has.
#include "platform/control.h"

class TCheckBox : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::string_view ClassName() const override { return "TCheckBox"; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    bool SetProperty(const std::string& name, const LayoutValue& value) override;

protected:
    // A user's click toggles the state.
    void Click() override { SetChecked(!checked_); }

private:
    bool checked_ = false;
};
