#include "platform/win32/group_box_view.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/window_classes.h"

GroupBoxView::GroupBoxView(TGroupBox& box, ViewContext& context)
    : ControlWindow(box, context), box_(box) {
    CreateChild(window_class::Container, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, true);
}

void GroupBoxView::Paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, context_.Brushes().Get(box_.Color()));
    HGDIOBJ oldFont = SelectObject(dc, FontHandle());
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    // The frame's top line runs through the middle of the caption's line.
    RECT frame = client;
    frame.top = metrics.tmHeight / 2 - 1;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!box_.Caption().empty()) {
        std::wstring caption = Wide(box_.Caption());
        int inset = context_.Dpi().ToDevice(8);
        RECT text{inset, 0, inset, metrics.tmHeight};
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ColorRef(box_.Color()));
        SetTextColor(dc,
                     box_.Enabled() ? ColorRef(box_.Font().Color()) : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE);
    }
    SelectObject(dc, oldFont);
}
