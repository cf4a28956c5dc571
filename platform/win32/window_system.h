#pragma once
// The Win32 windows of the forms and the event loop: GetMessage until WM_QUIT, the form
// keys before dispatch, and the idle step (the hint under the pointer) whenever the queue
// runs empty and on a 100 ms thread timer, so the hint follows the pointer out of the
// windows too.
#include "platform/services.h"
#include "platform/win32/view_context.h"

#include "platform/win32/windows_api.h"

class Win32WindowSystem final : public WindowSystem {
public:
    explicit Win32WindowSystem(HINSTANCE instance);

    void CreateViews(TForm& form) override;
    void Run(TApplication& application) override;
    void Quit() override;
    // Handles every message already waiting, as Run would, then runs the idle step once:
    // lets tests drive the windows with posted messages.
    void ProcessMessages(TApplication& application);

private:
    void Handle(TApplication& application, MSG& message);
    void Idle(TApplication& application);

    ViewContext context_;
};
