#include "platform/win32/speed_button_view.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/window_classes.h"

SpeedButtonView::SpeedButtonView(TSpeedButton& button, ViewContext& context)
    : ControlWindow(button, context), button_(button) {
    CreateChild(window_class::SpeedButton, 0, 0, true);
}

void SpeedButtonView::Changed(ViewChange what) {
    if (what == ViewChange::Enabled || what == ViewChange::Visible)
        SetLook(false, false);
    ControlWindow::Changed(what);
}

void SpeedButtonView::SetLook(bool hot, bool pressed) {
    if (hot == hot_ && pressed == pressed_)
        return;
    hot_ = hot;
    pressed_ = pressed;
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool SpeedButtonView::ContainsPoint(LPARAM l) const {
    RECT client;
    GetClientRect(Handle(), &client);
    POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
    return PtInRect(&client, at) != FALSE;
}

void SpeedButtonView::Paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, context_.Brushes().Get(ParentColor()));
    RECT frame = client;
    if (pressed_)
        DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
    else if (hot_ || !button_.Flat())
        DrawEdge(dc, &frame, button_.Flat() ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT);
    RECT text = client;
    if (pressed_)
        OffsetRect(&text, 1, 1);
    HGDIOBJ oldFont = SelectObject(dc, FontHandle());
    SetBkMode(dc, TRANSPARENT);
    std::wstring caption = Wide(button_.Caption());
    UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (button_.Enabled()) {
        SetTextColor(dc, ColorRef(button_.Font().Color()));
        DrawTextW(dc, caption.c_str(), -1, &text, flags);
    } else {
        RECT shifted = text;
        OffsetRect(&shifted, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, caption.c_str(), -1, &shifted, flags);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextW(dc, caption.c_str(), -1, &text, flags);
    }
    SelectObject(dc, oldFont);
}

LRESULT SpeedButtonView::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        // A click activates the form, whose focus stays where it was.
        return MA_ACTIVATE;
    case WM_MOUSEMOVE:
        if (!tracking_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
            tracking_ = TrackMouseEvent(&track) != FALSE;
        }
        SetLook(ContainsPoint(l), held_ && ContainsPoint(l));
        return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        SetLook(false, pressed_);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        held_ = true;
        SetCapture(Handle());
        SetLook(true, true);
        return 0;
    case WM_LBUTTONUP: {
        if (!held_)
            return 0;
        bool inside = ContainsPoint(l);
        held_ = false;
        ReleaseCapture();
        SetLook(inside, false);
        if (inside)
            button_.UserClick();
        return 0;
    }
    case WM_CAPTURECHANGED:
        held_ = false;
        SetLook(hot_, false);
        return 0;
    default:
        break;
    }
    return ControlWindow::HandleMessage(message, w, l);
}
