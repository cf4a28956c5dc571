#pragma once
// A TButton as a BUTTON push button; the default one has the heavier frame.
#include "platform/button.h"
#include "platform/win32/control_window.h"

class ButtonView final : public ControlWindow {
public:
    ButtonView(TButton& button, ViewContext& context);

    bool TakesFocus() const override { return true; }
    std::optional<LRESULT> Reflected(UINT message, WPARAM w, LPARAM l) override;

private:
    TButton& button_;
};
