#include "platform/win32/control_window.h"

#include "platform/application.h"
#include "platform/form.h"
#include "platform/win32/wide_text.h"

ControlWindow* ControlWindow::FromHandle(HWND hwnd) {
    return dynamic_cast<ControlWindow*>(Window::FromHandle(hwnd));
}

HWND WindowOf(const TControl& control) {
    auto* view = dynamic_cast<ControlWindow*>(control.View());
    return view ? view->Handle() : nullptr;
}

void ControlWindow::Changed(ViewChange what) {
    switch (what) {
    case ViewChange::Bounds:
        Place();
        break;
    case ViewChange::Visible:
        ShowWindow(Handle(), control_.Visible() ? SW_SHOWNA : SW_HIDE);
        break;
    case ViewChange::Enabled:
        EnableWindow(Handle(), control_.Enabled());
        Redraw();
        break;
    case ViewChange::Caption:
        if (MirrorsCaption()) {
            SetText(Wide(control_.Caption()));
            Redraw();
        }
        break;
    case ViewChange::Font:
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
        Redraw();
        break;
    case ViewChange::Color:
    case ViewChange::Repaint:
        Redraw();
        break;
    case ViewChange::Focus:
        // An inactive form keeps the choice in the model and applies it on activation.
        if (TakesFocus() && !HasFocus() && GetActiveWindow() == GetAncestor(Handle(), GA_ROOT))
            SetFocus(Handle());
        break;
    default:
        break;
    }
}

std::optional<LRESULT> ControlWindow::Reflected(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

void ControlWindow::CreateChild(const wchar_t* className, DWORD style, DWORD exStyle,
                                bool ownClass) {
    WindowCreation creation;
    creation.className = className;
    creation.style = style | WS_CHILD | WS_CLIPSIBLINGS | (control_.Visible() ? WS_VISIBLE : 0) |
                     (control_.Enabled() ? 0 : WS_DISABLED);
    creation.exStyle = exStyle;
    creation.bounds = DeviceBounds();
    creation.parent = control_.Parent() ? WindowOf(*control_.Parent()) : nullptr;
    creation.id = context_.NextControlId();
    creation.instance = context_.Instance();
    paintsItself_ = ownClass;
    if (ownClass)
        CreateOwn(creation);
    else
        CreateSubclassed(creation);
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    if (MirrorsCaption())
        SetText(Wide(control_.Caption()));
}

LRESULT ControlWindow::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    if (auto reflected = ReflectToChild(message, w, l))
        return *reflected;
    if (paintsItself_) {
        if (message == WM_ERASEBKGND)
            return 1;
        if (message == WM_PAINT || message == WM_PRINTCLIENT)
            return HandlePaint(message, w);
    }
    if (message == WM_SETFOCUS && TakesFocus()) {
        LRESULT result = CallDefault(message, w, l);
        auto* self = dynamic_cast<TWinControl*>(&control_);
        if (TForm* form = control_.ParentForm(); form && self)
            form->FocusControl(self);
        return result;
    }
    return CallDefault(message, w, l);
}

void ControlWindow::ReportError(const std::exception& error) {
    if (TForm* form = control_.ParentForm())
        form->Application().HandleException(error);
}

void ControlWindow::Place() {
    RECT r = DeviceBounds();
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT ControlWindow::DeviceBounds() const {
    const DpiScale& dpi = context_.Dpi();
    TRect r = control_.BoundsRect();
    return {dpi.ToDevice(r.Left), dpi.ToDevice(r.Top), dpi.ToDevice(r.Right),
            dpi.ToDevice(r.Bottom)};
}

TColor ControlWindow::ParentColor() const {
    return control_.Parent() ? control_.Parent()->Color() : control_.Color();
}

LRESULT ControlWindow::HandlePaint(UINT message, WPARAM w) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (message == WM_PRINTCLIENT) {
        Paint(reinterpret_cast<HDC>(w), client);
        return 0;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    Paint(dc, client);
    EndPaint(Handle(), &paint);
    return 0;
}

std::optional<LRESULT> ControlWindow::ReflectToChild(UINT message, WPARAM w, LPARAM l) {
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        child = reinterpret_cast<HWND>(l);
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(l)->hwndFrom;
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
        if (item->CtlType != ODT_MENU)
            child = item->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
        if (item->CtlType != ODT_MENU)
            child = GetDlgItem(Handle(), static_cast<int>(item->CtlID));
        break;
    }
    default:
        return std::nullopt;
    }
    ControlWindow* view = FromHandle(child);
    if (!view || view == this)
        return std::nullopt;
    return view->Reflected(message, w, l);
}
