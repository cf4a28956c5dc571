#include "platform/win32/form_keyboard.h"

#include "platform/button.h"
#include "platform/page_control.h"
#include "platform/speed_button.h"
#include "platform/text_codec.h"
#include "platform/win32/combo_box_view.h"
#include "platform/win32/tab_order.h"
#include "platform/win32/wide_text.h"

namespace {

bool IsDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

bool MoveFocus(TForm& form) {
    if (TWinControl* next = NextTabStop(form, form.ActiveControl(), !IsDown(VK_SHIFT)))
        next->SetFocus();
    return true;
}

// The focus goes to the first control of the page now showing, in the order Tab takes; the
// page control keeps it when the page has none.
bool TurnPage(TForm& form, bool forward) {
    TPageControl* pages = PageControlToTurn(form);
    if (!pages)
        return false;
    if (pages->UserSelectNextPage(forward) && pages->ActivePage()) {
        TWinControl* first = NextTabStop(*pages->ActivePage(), nullptr, true);
        (first ? first : pages)->SetFocus();
    }
    return true;
}

bool HandleControlKey(TForm& form, WPARAM key) {
    switch (key) {
    case VK_TAB:
        return TurnPage(form, !IsDown(VK_SHIFT));
    case VK_NEXT:
        return TurnPage(form, true);
    case VK_PRIOR:
        return TurnPage(form, false);
    default:
        return false;
    }
}

bool PressEnter(TForm& form) {
    ControlWindow* focused = ControlWindow::FromHandle(GetFocus());
    if (auto* combo = dynamic_cast<ComboBoxView*>(focused); combo && combo->ListIsOpen())
        return false;
    if (auto* button = focused ? dynamic_cast<TButton*>(&focused->Control()) : nullptr)
        button->UserClick();
    else
        form.UserPressEnter();
    return true;
}

bool PressSpeedButton(TForm& form, wchar_t typed) {
    char letter = static_cast<char>(Cp1250Lower(static_cast<unsigned char>(NarrowChar(typed))));
    for (TComponent* component : form.Components()) {
        auto* button = dynamic_cast<TSpeedButton*>(component);
        if (button && button->Showing() && button->Enabled() &&
            AcceleratorOf(button->Caption()) == letter) {
            button->UserClick();
            return true;
        }
    }
    return false;
}

} // namespace

bool HandleFormKey(const MSG& message, FormView& view) {
    TForm& form = view.Form();
    if (message.message == WM_SYSCHAR)
        return PressSpeedButton(form, static_cast<wchar_t>(message.wParam));
    if (message.message != WM_KEYDOWN || IsDown(VK_MENU))
        return false;
    if (IsDown(VK_CONTROL))
        return HandleControlKey(form, message.wParam);
    if (message.wParam == VK_TAB)
        return MoveFocus(form);
    if (message.wParam == VK_RETURN)
        return PressEnter(form);
    return false;
}
