#include "platform/win32/form_view.h"

#include "platform/win32/tab_order.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_classes.h"

#include <algorithm>

FormView::FormView(TForm& form, ViewContext& context) : ControlWindow(form, context), form_(form) {
    const DpiScale& dpi = context_.Dpi();
    SIZE outer = OuterSize();
    WindowCreation creation;
    creation.className = window_class::Form;
    creation.style = Style();
    creation.exStyle = ExStyle();
    creation.bounds = {dpi.ToDevice(form.Left()), dpi.ToDevice(form.Top()),
                       dpi.ToDevice(form.Left()) + outer.cx, dpi.ToDevice(form.Top()) + outer.cy};
    creation.instance = context_.Instance();
    paintsItself_ = true;
    CreateOwn(creation);
    SetText(Wide(form.Caption()));
    auto mainIcon = [&](int width, int height) {
        return static_cast<HICON>(LoadImageW(context_.Instance(), L"MAINICON", IMAGE_ICON,
                                             GetSystemMetrics(width), GetSystemMetrics(height), 0));
    };
    bigIcon_ = mainIcon(SM_CXICON, SM_CYICON);
    smallIcon_ = mainIcon(SM_CXSMICON, SM_CYSMICON);
    if (bigIcon_)
        Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    if (smallIcon_)
        Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    context_.AddForm(this);
}

FormView::~FormView() {
    context_.RemoveForm(this);
    Send(WM_SETICON, ICON_BIG, 0);
    Send(WM_SETICON, ICON_SMALL, 0);
    if (bigIcon_)
        DestroyIcon(bigIcon_);
    if (smallIcon_)
        DestroyIcon(smallIcon_);
}

void FormView::Changed(ViewChange what) {
    if (what == ViewChange::Visible)
        ShowOrHide();
    else
        ControlWindow::Changed(what);
}

DWORD FormView::Style() const {
    DWORD style = WS_CLIPCHILDREN;
    TFormBorderStyle border = form_.BorderStyle();
    TBorderIcons icons = form_.BorderIcons();
    switch (border) {
    case TFormBorderStyle::bsNone:
        return style | WS_POPUP;
    case TFormBorderStyle::bsSingle:
        style |= WS_CAPTION;
        break;
    case TFormBorderStyle::bsSizeable:
        style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        // A dialog frame has neither a minimise nor a maximise box.
        return style | WS_CAPTION | ((icons & biSystemMenu) ? WS_SYSMENU : 0);
    }
    if (icons & biSystemMenu)
        style |= WS_SYSMENU;
    if (icons & biMinimize)
        style |= WS_MINIMIZEBOX;
    if (icons & biMaximize)
        style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD FormView::ExStyle() const {
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (form_.FormStyle() == TFormStyle::fsStayOnTop)
        exStyle |= WS_EX_TOPMOST;
    if (form_.BorderStyle() == TFormBorderStyle::bsDialog)
        exStyle |= WS_EX_DLGMODALFRAME;
    return exStyle;
}

SIZE FormView::OuterSize() const {
    const DpiScale& dpi = context_.Dpi();
    RECT r{0, 0, dpi.ToDevice(form_.ClientWidth()), dpi.ToDevice(form_.ClientHeight())};
    AdjustWindowRectEx(&r, Style(), FALSE, ExStyle());
    return {r.right - r.left, r.bottom - r.top};
}

void FormView::Place() {
    const DpiScale& dpi = context_.Dpi();
    RECT client;
    GetClientRect(Handle(), &client);
    if (client.right == dpi.ToDevice(form_.ClientWidth()) &&
        client.bottom == dpi.ToDevice(form_.ClientHeight()))
        return;
    SIZE outer = OuterSize();
    SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormView::ShowOrHide() {
    if (!form_.Visible()) {
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
    if (!shownBefore_ && form_.Position() == TPosition::poScreenCenter)
        CentreOnWorkArea();
    shownBefore_ = true;
    ShowWindow(Handle(), SW_SHOW);
}

void FormView::CentreOnWorkArea() {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT outer;
    GetWindowRect(Handle(), &outer);
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    int left = work.left + (work.right - work.left - width) / 2;
    int top = work.top + (work.bottom - work.top - height) / 2;
    SetWindowPos(Handle(), nullptr, std::max(left, static_cast<int>(work.left)),
                 std::max(top, static_cast<int>(work.top)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TWinControl* FormView::FocusTarget() const {
    // The model's pointer is only trusted while the control still belongs to the form.
    TWinControl* active = form_.ActiveControl();
    const auto& owned = form_.Components();
    if (active && std::find(owned.begin(), owned.end(), active) != owned.end() &&
        CanTakeFocusNow(*active))
        return active;
    return NextTabStop(form_, nullptr, true);
}

void FormView::RestoreFocus() {
    TWinControl* target = FocusTarget();
    HWND window = target ? WindowOf(*target) : nullptr;
    // Without a control to focus the form keeps the keys itself, so Alt+letter still works.
    if (!window)
        window = Handle();
    if (GetFocus() != window)
        SetFocus(window);
}

void FormView::Paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, context_.Brushes().Get(form_.Color()));
}

LRESULT FormView::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    const DpiScale& dpi = context_.Dpi();
    switch (message) {
    case WM_CLOSE:
        // The model decides: OnClose may keep the window, and a main form ends the program.
        form_.Close();
        return 0;
    case WM_SIZE:
        if (w != SIZE_MINIMIZED)
            form_.SetClientSize(dpi.ToModel(LOWORD(l)), dpi.ToModel(HIWORD(l)));
        return 0;
    case WM_GETMINMAXINFO: {
        auto* limits = reinterpret_cast<MINMAXINFO*>(l);
        if (form_.MinOuterWidth() > 0)
            limits->ptMinTrackSize.x = dpi.ToDevice(form_.MinOuterWidth());
        if (form_.MinOuterHeight() > 0)
            limits->ptMinTrackSize.y = dpi.ToDevice(form_.MinOuterHeight());
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(w) != WA_INACTIVE && !HIWORD(w)) {
            RestoreFocus();
            return 0;
        }
        break;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    default:
        break;
    }
    return ControlWindow::HandleMessage(message, w, l);
}
