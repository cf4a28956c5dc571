#pragma once
// The model's geometry is in 96-DPI pixels; windows are in device pixels. Conversions happen
// only at the boundary between the two.
#include "platform/win32/windows_api.h"

class DpiScale {
public:
    explicit DpiScale(int dpi) : dpi_(dpi) {}
    // The system DPI of the screen (the manifest declares system DPI awareness).
    static DpiScale OfScreen();

    int ToDevice(int modelPixels) const { return MulDiv(modelPixels, dpi_, 96); }
    int ToModel(int devicePixels) const { return MulDiv(devicePixels, 96, dpi_); }

private:
    int dpi_;
};
