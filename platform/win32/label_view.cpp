#include "platform/win32/label_view.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/window_classes.h"

namespace {

// DrawText measures an empty caption as nothing; a label keeps one line's height.
std::wstring MeasuredText(const std::string& caption) {
    return caption.empty() ? L" " : Wide(caption);
}

} // namespace

LabelView::LabelView(TLabel& label, ViewContext& context)
    : ControlWindow(label, context), label_(label) {
    CreateChild(window_class::Label, 0, 0, true);
    FitCaption();
}

void LabelView::Changed(ViewChange what) {
    ControlWindow::Changed(what);
    if (what == ViewChange::Caption || what == ViewChange::Font)
        FitCaption();
}

UINT LabelView::TextFlags() const {
    UINT flags = DT_EXPANDTABS;
    if (label_.WordWrap())
        flags |= DT_WORDBREAK;
    switch (label_.Alignment()) {
    case TAlignment::taLeftJustify:
        flags |= DT_LEFT;
        break;
    case TAlignment::taCenter:
        flags |= DT_CENTER;
        break;
    case TAlignment::taRightJustify:
        flags |= DT_RIGHT;
        break;
    }
    return flags;
}

void LabelView::FitCaption() {
    if (!label_.AutoSize())
        return;
    const DpiScale& dpi = context_.Dpi();
    HDC dc = GetDC(Handle());
    HGDIOBJ oldFont = SelectObject(dc, FontHandle());
    RECT r{0, 0, label_.WordWrap() ? dpi.ToDevice(label_.Width()) : 0, 0};
    std::wstring text = MeasuredText(label_.Caption());
    DrawTextW(dc, text.c_str(), -1, &r, TextFlags() | DT_CALCRECT);
    SelectObject(dc, oldFont);
    ReleaseDC(Handle(), dc);
    // A TrueType face standing in for the bitmap one may reach past the last advance width;
    // a little room keeps its last letter whole.
    constexpr int OverhangRoom = 2;
    int width = label_.WordWrap() ? r.right : r.right + OverhangRoom;
    label_.SetBounds(label_.Left(), label_.Top(), dpi.ToModel(width), dpi.ToModel(r.bottom));
    // While the view is being made the model has no view to tell yet.
    Place();
}

void LabelView::Paint(HDC dc, const RECT& client) {
    TColor background = label_.Transparent() ? ParentColor() : label_.Color();
    FillRect(dc, &client, context_.Brushes().Get(background));
    HGDIOBJ oldFont = SelectObject(dc, FontHandle());
    SetBkMode(dc, TRANSPARENT);
    std::wstring text = Wide(label_.Caption());
    RECT r = client;
    if (label_.Layout() != TTextLayout::tlTop) {
        RECT measured = client;
        DrawTextW(dc, text.c_str(), -1, &measured, TextFlags() | DT_CALCRECT);
        int spare = (client.bottom - client.top) - (measured.bottom - measured.top);
        r.top += label_.Layout() == TTextLayout::tlCenter ? spare / 2 : spare;
    }
    if (label_.Enabled()) {
        SetTextColor(dc, ColorRef(label_.Font().Color()));
        DrawTextW(dc, text.c_str(), -1, &r, TextFlags());
    } else {
        // The engraved look of disabled text: a light copy one pixel down and right.
        RECT shifted = r;
        OffsetRect(&shifted, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, text.c_str(), -1, &shifted, TextFlags());
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawTextW(dc, text.c_str(), -1, &r, TextFlags());
    }
    SelectObject(dc, oldFont);
}

LRESULT LabelView::HandleMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_SETCURSOR:
        if (label_.Cursor() == TCursor::crHandPoint) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(Handle());
        return 0;
    case WM_LBUTTONUP: {
        if (!pressed_)
            return 0;
        pressed_ = false;
        ReleaseCapture();
        RECT client;
        GetClientRect(Handle(), &client);
        POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
        if (PtInRect(&client, at))
            label_.UserClick();
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    default:
        break;
    }
    return ControlWindow::HandleMessage(message, w, l);
}
