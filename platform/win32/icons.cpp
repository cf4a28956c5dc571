#include "platform/win32/icons.h"

#include "platform/win32/icon_image.h"

#include <memory>

TIcon Win32Icons::ApplicationIcon() {
    HICON icon = static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, 32, 32, 0));
    if (!icon) {
        // A shared system icon: the copy is ours to destroy.
        auto shared =
            static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, 32, 32, LR_SHARED));
        icon = shared ? CopyIcon(shared) : nullptr;
    }
    if (!icon)
        return TIcon();
    return TIcon(std::make_shared<Win32IconImage>(icon));
}
