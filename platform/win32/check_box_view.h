#pragma once
// A TCheckBox as a BUTTON with BS_CHECKBOX: the model owns the state, so the button never
// toggles itself; a click goes to the model and the model's state comes back. Drawn
// unthemed, so that the caption takes the model's font colour (blue marks a change).
#include "platform/check_box.h"
#include "platform/win32/control_window.h"

class CheckBoxView final : public ControlWindow {
public:
    CheckBoxView(TCheckBox& box, ViewContext& context);

    void Changed(ViewChange what) override;
    bool TakesFocus() const override { return true; }
    std::optional<LRESULT> Reflected(UINT message, WPARAM w, LPARAM l) override;

private:
    void ShowState() const;

    TCheckBox& box_;
};
