#include "platform/win32/button_view.h"

ButtonView::ButtonView(TButton& button, ViewContext& context)
    : ControlWindow(button, context), button_(button) {
    CreateChild(L"BUTTON", (button.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, 0,
                false);
}

std::optional<LRESULT> ButtonView::Reflected(UINT message, WPARAM w, LPARAM) {
    if (message == WM_COMMAND && HIWORD(w) == BN_CLICKED) {
        button_.UserClick();
        return 0;
    }
    return std::nullopt;
}
