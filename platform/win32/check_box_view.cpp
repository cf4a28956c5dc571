#include "platform/win32/check_box_view.h"

#include "platform/win32/windows_api.h"

CheckBoxView::CheckBoxView(TCheckBox& box, ViewContext& context)
    : ControlWindow(box, context), box_(box) {
    CreateChild(L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, false);
    // Themed buttons draw their text in the theme's colour, whatever WM_CTLCOLORSTATIC says.
    SetWindowTheme(Handle(), L"", L"");
    ShowState();
}

void CheckBoxView::Changed(ViewChange what) {
    if (what == ViewChange::Checked)
        ShowState();
    else
        ControlWindow::Changed(what);
}

void CheckBoxView::ShowState() const {
    Send(BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED);
}

std::optional<LRESULT> CheckBoxView::Reflected(UINT message, WPARAM w, LPARAM) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(w) == BN_CLICKED) {
            box_.UserClick();
            // A hidden or disabled box refuses the click: the window shows the model again.
            ShowState();
            return 0;
        }
        return std::nullopt;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        // Opaque on the parent's colour, so a box on a group box's frame line covers it.
        auto dc = reinterpret_cast<HDC>(w);
        SetTextColor(dc, ColorRef(box_.Font().Color()));
        SetBkColor(dc, ColorRef(ParentColor()));
        SetBkMode(dc, OPAQUE);
        return reinterpret_cast<LRESULT>(context_.Brushes().Get(ParentColor()));
    }
    default:
        return std::nullopt;
    }
}
