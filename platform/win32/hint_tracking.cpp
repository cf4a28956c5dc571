#include "platform/win32/hint_tracking.h"

#include "platform/win32/form_view.h"

void UpdateHintFromPointer(TApplication& application, const ViewContext& context) {
    POINT at;
    if (!GetCursorPos(&at)) {
        application.HintFromControl(nullptr);
        return;
    }
    FormView* view = context.FormOfWindow(GetAncestor(WindowFromPoint(at), GA_ROOT));
    if (!view || !view->Form().Visible()) {
        application.HintFromControl(nullptr);
        return;
    }
    ScreenToClient(view->Handle(), &at);
    const DpiScale& dpi = context.Dpi();
    application.HintFromControl(view->Form().ControlAtPos(dpi.ToModel(at.x), dpi.ToModel(at.y)));
}
