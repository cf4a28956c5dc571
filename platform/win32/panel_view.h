#pragma once
// A TPanel: a container filled with its colour, with its outer and inner bevels (the border
// width between them) and, for a single border style, a 1-pixel black line all round.
#include "platform/panel.h"
#include "platform/win32/control_window.h"

class PanelView final : public ControlWindow {
public:
    PanelView(TPanel& panel, ViewContext& context);

private:
    void Paint(HDC dc, const RECT& client) override;

    TPanel& panel_;
};
