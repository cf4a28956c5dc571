#pragma once
// A TImage: the bitmap resource its Picture names, drawn on the parent's colour, centred
// when the model says so.
#include "platform/bevel.h"
#include "platform/win32/control_window.h"

class ImageView final : public ControlWindow {
public:
    ImageView(TImage& image, ViewContext& context);
    ~ImageView() override;

private:
    void Paint(HDC dc, const RECT& client) override;

    TImage& image_;
    HBITMAP bitmap_ = nullptr;
};
