#include "platform/win32/panel_view.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/window_classes.h"

namespace {

void DrawBevel(HDC dc, RECT& r, TBevelCut cut) {
    if (cut == TBevelCut::bvRaised)
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    else if (cut == TBevelCut::bvLowered)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}

} // namespace

PanelView::PanelView(TPanel& panel, ViewContext& context)
    : ControlWindow(panel, context), panel_(panel) {
    // WS_BORDER draws the black line outside the client area, so the children's coordinates
    // start inside it, as the model has them.
    DWORD style = WS_CLIPCHILDREN;
    if (panel.BorderStyle() == TBorderStyle::bsSingle)
        style |= WS_BORDER;
    CreateChild(window_class::Container, style, WS_EX_CONTROLPARENT, true);
}

void PanelView::Paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, context_.Brushes().Get(panel_.Color()));
    RECT r = client;
    DrawBevel(dc, r, panel_.BevelOuter());
    InflateRect(&r, -context_.Dpi().ToDevice(panel_.BorderWidth()),
                -context_.Dpi().ToDevice(panel_.BorderWidth()));
    DrawBevel(dc, r, panel_.BevelInner());
    if (panel_.Caption().empty())
        return;
    HGDIOBJ oldFont = SelectObject(dc, FontHandle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRef(panel_.Font().Color()));
    std::wstring caption = Wide(panel_.Caption());
    DrawTextW(dc, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
}
