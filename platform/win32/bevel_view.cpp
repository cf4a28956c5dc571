#include "platform/win32/bevel_view.h"

#include "platform/win32/window_classes.h"

BevelView::BevelView(TBevel& bevel, ViewContext& context)
    : ControlWindow(bevel, context), bevel_(bevel) {
    CreateChild(window_class::Bevel, 0, 0, true);
}

void BevelView::Paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, context_.Brushes().Get(ParentColor()));
    bool lowered = bevel_.Style() == TBevelStyle::bsLowered;
    RECT r = client;
    switch (bevel_.Shape()) {
    case TBevelShape::bsBox:
        DrawEdge(dc, &r, lowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        break;
    case TBevelShape::bsFrame:
        DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_RECT);
        break;
    case TBevelShape::bsLeftLine:
        DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_LEFT);
        break;
    case TBevelShape::bsRightLine:
        r.left = r.right - 2;
        DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_LEFT);
        break;
    case TBevelShape::bsTopLine:
        DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_TOP);
        break;
    case TBevelShape::bsBottomLine:
        r.top = r.bottom - 2;
        DrawEdge(dc, &r, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_TOP);
        break;
    }
}
