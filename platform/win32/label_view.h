#pragma once
// A TLabel, painted by us: its caption in its font, wrapped, aligned and laid out as the
// model says. An auto-sized label is measured here, where the font metrics are known, and
// the model gets the size.
#include "platform/label.h"
#include "platform/win32/control_window.h"

class LabelView final : public ControlWindow {
public:
    LabelView(TLabel& label, ViewContext& context);

    void Changed(ViewChange what) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l) override;
    void Paint(HDC dc, const RECT& client) override;
    UINT TextFlags() const;
    void FitCaption();

    TLabel& label_;
    bool pressed_ = false;
};
