#pragma once
// A TGroupBox: a container with an etched frame and its caption on the frame's top line.
// Without a caption the line runs through; a check box standing there covers its part.
#include "platform/panel.h"
#include "platform/win32/control_window.h"

class GroupBoxView final : public ControlWindow {
public:
    GroupBoxView(TGroupBox& box, ViewContext& context);

private:
    void Paint(HDC dc, const RECT& client) override;

    TGroupBox& box_;
};
