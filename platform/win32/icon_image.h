#pragma once
// An icon picture of the Win32 platform: an HICON that it owns.
#include "platform/icon.h"

#include "platform/win32/windows_api.h"

class Win32IconImage final : public IconImage {
public:
    explicit Win32IconImage(HICON icon) : icon_(icon) {}
    Win32IconImage(const Win32IconImage&) = delete;
    Win32IconImage& operator=(const Win32IconImage&) = delete;
    ~Win32IconImage() override { DestroyIcon(icon_); }

    HICON Handle() const { return icon_; }

private:
    HICON icon_;
};
