#pragma once
// A TTabSheet: a container over its page control's display area, filled with its colour.
// Its caption is the text of its tab.
#include "platform/page_control.h"
#include "platform/win32/control_window.h"

class TabSheetView final : public ControlWindow {
public:
    TabSheetView(TTabSheet& sheet, ViewContext& context);

    void Changed(ViewChange what) override;

private:
    void Paint(HDC dc, const RECT& client) override;

    TTabSheet& sheet_;
};
