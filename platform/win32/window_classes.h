#pragma once
// The window classes of our own controls. System controls (buttons, edits, lists, combo
// boxes, the tab control) use the system classes and are subclassed.
#include "platform/win32/windows_api.h"

namespace window_class {
inline constexpr const wchar_t* Form = L"SorvantoForm";
inline constexpr const wchar_t* Container = L"SorvantoContainer";
inline constexpr const wchar_t* Label = L"SorvantoLabel";
inline constexpr const wchar_t* SpeedButton = L"SorvantoSpeedButton";
inline constexpr const wchar_t* Bevel = L"SorvantoBevel";
inline constexpr const wchar_t* Image = L"SorvantoImage";
} // namespace window_class

// Registers the classes for this process; a class that already exists is kept.
void RegisterWindowClasses(HINSTANCE instance);
