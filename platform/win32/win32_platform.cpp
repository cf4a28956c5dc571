#include "platform/win32/win32_platform.h"

#include "platform/win32/wide_text.h"

Win32Platform::Win32Platform(HINSTANCE instance)
    : icons_(instance), windows_(instance), fileDialogs_(instance),
      exeName_(ModuleFileName(instance)) {}

Platform Win32Platform::Services() {
    return Platform{registry_,  messageBoxes_, files_,   shell_,        icons_, windows_,
                    processes_, fileDialogs_,  folders_, unicodeFiles_, clock_, exeName_};
}

std::string ModuleFileName(HINSTANCE instance) {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(instance, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) {
            name.resize(length);
            return Narrow(name);
        }
        name.resize(name.size() * 2);
    }
}
