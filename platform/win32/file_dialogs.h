#pragma once
// The system's open and save dialogs through comdlg32, with the record in its version-4
// form; the icon strip comes from the template in the program's own resources.
#include "platform/file_dialogs.h"

#include "platform/win32/windows_api.h"

class Win32FileDialogs final : public FileDialogs {
public:
    // `instance` holds the strip's template.
    explicit Win32FileDialogs(HINSTANCE instance) : instance_(instance) {}

    std::optional<std::string> Run(const FileDialogRequest& request,
                                   IconStripEvents* strip) override;

private:
    HINSTANCE instance_;
};
