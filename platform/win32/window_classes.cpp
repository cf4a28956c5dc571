#include "platform/win32/window_classes.h"

#include "platform/win32/window.h"

namespace {

// The classes paint their whole area themselves, so none has a background brush; frames and
// centred or wrapped texts depend on the size, so a resize repaints everything.
void Register(HINSTANCE instance, const wchar_t* name) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.style = CS_HREDRAW | CS_VREDRAW;
    description.lpfnWndProc = &Window::Procedure;
    description.hInstance = instance;
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.lpszClassName = name;
    RegisterClassExW(&description);
}

} // namespace

void RegisterWindowClasses(HINSTANCE instance) {
    Register(instance, window_class::Form);
    Register(instance, window_class::Container);
    Register(instance, window_class::Label);
    Register(instance, window_class::SpeedButton);
    Register(instance, window_class::Bevel);
    Register(instance, window_class::Image);
}
