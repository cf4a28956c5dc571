#pragma once
// The program's own icon (the "MAINICON" resource of the exe, or the system's application
// icon for an exe without one) and the icons of files, through shell32.
#include "platform/services.h"

#include "platform/win32/windows_api.h"

class Win32Icons final : public Icons {
public:
    explicit Win32Icons(HINSTANCE instance) : instance_(instance) {}

    TIcon ApplicationIcon() override;
    int Count(const std::string& file) override;
    TIcon Extract(const std::string& file, int index) override;
    std::vector<TIcon> ExtractRun(const std::string& file, int first, int count) override;

private:
    HINSTANCE instance_;
};
