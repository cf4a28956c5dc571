#include "platform/win32/tab_sheet_view.h"

#include "platform/win32/page_control_view.h"
#include "platform/win32/window_classes.h"

TabSheetView::TabSheetView(TTabSheet& sheet, ViewContext& context)
    : ControlWindow(sheet, context), sheet_(sheet) {
    CreateChild(window_class::Container, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, true);
}

void TabSheetView::Changed(ViewChange what) {
    ControlWindow::Changed(what);
    if (what != ViewChange::Caption || !sheet_.PageControl())
        return;
    if (auto* tabs = dynamic_cast<PageControlView*>(sheet_.PageControl()->View()))
        tabs->ShowTabCaption(sheet_.PageIndex());
}

void TabSheetView::Paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, context_.Brushes().Get(sheet_.Color()));
}
