#include "platform/win32/window_system.h"

#include "platform/application.h"
#include "platform/exceptions.h"
#include "platform/form.h"
#include "platform/win32/form_keyboard.h"
#include "platform/win32/form_view.h"
#include "platform/win32/hint_tracking.h"
#include "platform/win32/view_factory.h"
#include "platform/win32/window_classes.h"

#include "platform/win32/windows_api.h"

#include <memory>

namespace {

constexpr UINT kIdleIntervalMs = 100;

template <class Step> void Guarded(TApplication& application, Step step) {
    try {
        step();
    } catch (const std::exception& error) {
        application.HandleException(error);
    } catch (...) {
        application.HandleException(Exception("Unexpected error"));
    }
}

} // namespace

Win32WindowSystem::Win32WindowSystem(HINSTANCE instance)
    : context_(instance, DpiScale::OfScreen()) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterWindowClasses(instance);
}

void Win32WindowSystem::CreateViews(TForm& form) {
    form.SetView(std::make_unique<FormView>(form, context_));
    CreateChildViews(form, context_);
    if (form.Visible())
        form.View()->Changed(ViewChange::Visible);
}

void Win32WindowSystem::Run(TApplication& application) {
    UINT_PTR timer = SetTimer(nullptr, 0, kIdleIntervalMs, nullptr);
    MSG message;
    for (;;) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
            Idle(application);
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (message.message == WM_TIMER && !message.hwnd && message.wParam == timer)
            Idle(application);
        else
            Handle(application, message);
    }
    KillTimer(nullptr, timer);
}

void Win32WindowSystem::Quit() {
    PostQuitMessage(0);
}

void Win32WindowSystem::ProcessMessages(TApplication& application) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT)
        Handle(application, message);
    Idle(application);
}

void Win32WindowSystem::Handle(TApplication& application, MSG& message) {
    bool handled = false;
    if (FormView* form = context_.FormOfWindow(GetAncestor(message.hwnd, GA_ROOT)))
        Guarded(application, [&] { handled = HandleFormKey(message, *form); });
    if (handled)
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32WindowSystem::Idle(TApplication& application) {
    Guarded(application, [&] { UpdateHintFromPointer(application, context_); });
}
