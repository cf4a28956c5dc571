#pragma once
// The program's own icon: the "MAINICON" resource of the exe, or the system's application
// icon for an exe without one.
#include "platform/services.h"

#include "platform/win32/windows_api.h"

class Win32Icons final : public Icons {
public:
    explicit Win32Icons(HINSTANCE instance) : instance_(instance) {}

    TIcon ApplicationIcon() override;

private:
    HINSTANCE instance_;
};
