#pragma once
// A TBevel: an etched box, frame or line on its parent's colour.
#include "platform/bevel.h"
#include "platform/win32/control_window.h"

class BevelView final : public ControlWindow {
public:
    BevelView(TBevel& bevel, ViewContext& context);

private:
    void Paint(HDC dc, const RECT& client) override;

    TBevel& bevel_;
};
