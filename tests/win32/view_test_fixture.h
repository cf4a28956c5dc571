#pragma once
// A small form built in-process from a layout text, with real windows from the Win32 window
// system, on the fake services; the tests drive it with real window messages and read both
// the windows and the model.
#include "tests/support/fake_platform.h"

#include "platform/application.h"
#include "platform/form.h"
#include "platform/layout_reader.h"
#include "platform/layout_value.h"
#include "platform/win32/control_window.h"
#include "platform/win32/window_system.h"

#include "platform/win32/windows_api.h"
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

// Handlers by name that record what ran ("Name:Sender"); a few do something as well:
//   RejectKey   swallows the key and makes the edit read-only;
//   UpperKey    turns the key to upper case;
//   KeepOpen    keeps a form open when it is asked to close;
//   Fail        raises an error;
//   DrawItem    records "DrawItem:index:state:brush" and draws the item's text.
class RecordingHandlers : public EventHandlers {
public:
    TNotifyEvent Notify(const std::string& name) const override;
    TKeyPressEvent KeyPress(const std::string& name) const override;
    TCloseEvent Close(const std::string& name) const override;
    TDrawItemEvent DrawItem(const std::string& name) const override;

    // How many times an entry was recorded.
    int Count(const std::string& entry) const;

    mutable std::vector<std::string> calls;
};

class Win32ViewTest : public testing::Test {
protected:
    // Loads the form from `layout`, gives it windows, shows it and lets it settle; what the
    // handlers recorded until then is forgotten.
    void Build(std::string_view layout);
    // The same with one of the program's own layout files.
    void BuildFromProgramLayout(std::string_view fileName);
    // Handles the waiting messages as the event loop does, then its idle step.
    void Pump();
    // Moves the real mouse pointer to a point of the form's client area and runs the loop.
    void PointAt(int x, int y);

    template <class T> T& Get(std::string_view name) const { return FindAs<T>(*form, name); }
    HWND Window(std::string_view name) const { return WindowOf(Get<TControl>(name)); }
    HWND FormWindow() const { return WindowOf(*form); }
    // The model control whose window has the keyboard focus, or null.
    TControl* FocusedControl() const;

    RecordingHandlers handlers;
    FakePlatform fakes;
    Win32WindowSystem windows{GetModuleHandleW(nullptr)};
    TApplication app{fakes.Replace(windows).Services()};
    TForm* form = nullptr;

private:
    void Create(std::string_view fileName, const LayoutSources& sources);
};

// The class name of a window, such as "Button".
std::wstring ClassOf(HWND window);
// How many pixels of a window's client area, as the screen shows it, have this colour.
int CountPixels(HWND window, COLORREF color);
