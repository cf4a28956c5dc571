#pragma once
// A TSpeedButton, painted by us: flat (a frame only while hovered or pressed), its caption
// centred with the accelerator letter underlined. It never takes the keyboard focus: the
// mouse is captured by hand and the click goes to the model on release inside.
#include "platform/speed_button.h"
#include "platform/win32/control_window.h"

class SpeedButtonView final : public ControlWindow {
public:
    SpeedButtonView(TSpeedButton& button, ViewContext& context);

    void Changed(ViewChange what) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l) override;
    void Paint(HDC dc, const RECT& client) override;
    bool ContainsPoint(LPARAM l) const;
    void SetLook(bool hot, bool pressed);

    TSpeedButton& button_;
    bool hot_ = false;
    bool tracking_ = false;
    // The mouse went down on the button and is held.
    bool held_ = false;
    bool pressed_ = false;
};
