#pragma once
// Every Win32 service of the program, owned in one place; Services() hands them to the
// portable program. It must outlive the application and its forms.
#include "platform/services.h"
#include "platform/win32/clock.h"
#include "platform/win32/file_dialogs.h"
#include "platform/win32/file_system.h"
#include "platform/win32/folders.h"
#include "platform/win32/icons.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/processes.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/shell.h"
#include "platform/win32/unicode_file_system.h"
#include "platform/win32/window_system.h"

#include "platform/win32/windows_api.h"

#include <string>

class Win32Platform {
public:
    explicit Win32Platform(HINSTANCE instance);
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Platform Services();

private:
    Win32RegistryStore registry_;
    Win32MessageBoxes messageBoxes_;
    Win32FileSystem files_;
    Win32Shell shell_;
    Win32Icons icons_;
    Win32WindowSystem windows_;
    Win32Processes processes_;
    Win32FileDialogs fileDialogs_;
    Win32UnicodeFileSystem unicodeFiles_;
    Win32Folders folders_;
    Win32Clock clock_;
    std::string exeName_;
};

// The full path of the running exe, in Windows-1250.
std::string ModuleFileName(HINSTANCE instance);
