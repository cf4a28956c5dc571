#include "platform/win32/dpi_scale.h"

DpiScale DpiScale::OfScreen() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return DpiScale(dpi > 0 ? dpi : 96);
}
