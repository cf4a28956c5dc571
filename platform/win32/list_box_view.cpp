#include "platform/win32/list_box_view.h"

#include "platform/win32/collation.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/wide_text.h"

ListBoxView::ListBoxView(TListBox& list, ViewContext& context)
    : ControlWindow(list, context), list_(list) {
    bool ownerDraw = list.Style() == TListBoxStyle::lbOwnerDrawFixed;
    DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP;
    style |= list.Columns() != 0 ? LBS_MULTICOLUMN | WS_HSCROLL : WS_VSCROLL;
    if (ownerDraw)
        style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    CreateChild(L"LISTBOX", style, WS_EX_CLIENTEDGE, false);
    // WM_MEASUREITEM came during creation, before this view was attached to the window.
    if (ownerDraw)
        Send(LB_SETITEMHEIGHT, 0, context_.Dpi().ToDevice(list.ItemHeight()));
    if (list.Sorted())
        list.SetCollation(&CompareLikeSortedList);
    items_.Show(Handle(), list.Items());
    ShowColumnWidth();
    ShowSelection();
}

void ListBoxView::Changed(ViewChange what) {
    switch (what) {
    case ViewChange::Items:
        items_.Show(Handle(), list_.Items());
        ShowSelection();
        break;
    case ViewChange::ItemIndex:
        ShowSelection();
        break;
    case ViewChange::Style:
        ShowColumnWidth();
        break;
    default:
        ControlWindow::Changed(what);
    }
}

void ListBoxView::ShowSelection() const {
    Send(LB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()));
}

void ListBoxView::ShowColumnWidth() const {
    if (list_.ColumnWidth() > 0)
        Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(context_.Dpi().ToDevice(list_.ColumnWidth())));
}

void ListBoxView::DrawItem(const DRAWITEMSTRUCT& item) {
    GdiCanvas canvas(item.hDC, context_);
    canvas.Font().Assign(list_.Font());
    const DpiScale& dpi = context_.Dpi();
    TRect rect{dpi.ToModel(item.rcItem.left), dpi.ToModel(item.rcItem.top),
               dpi.ToModel(item.rcItem.right), dpi.ToModel(item.rcItem.bottom)};
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    canvas.SetBrushColor(selected ? clHighlight : list_.Color());
    if (selected)
        canvas.Font().SetColor(clHighlightText);
    int index = static_cast<int>(item.itemID);
    if (index >= 0 && index < list_.Count()) {
        TOwnerDrawState state = (selected ? odSelected : 0u) |
                                ((item.itemState & ODS_FOCUS) ? odFocused : 0u) |
                                ((item.itemState & ODS_DISABLED) ? odDisabled : 0u);
        if (list_.OnDrawItem) {
            list_.DrawItem(index, rect, state, canvas);
        } else {
            canvas.FillRect(rect);
            canvas.TextOut(rect.Left + 2, rect.Top, list_.Items()[index]);
        }
    } else {
        canvas.FillRect(rect);
    }
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

std::optional<LRESULT> ListBoxView::Reflected(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(w) == LBN_SELCHANGE) {
            list_.UserSelect(static_cast<int>(Send(LB_GETCURSEL)));
            ShowSelection();
            return 0;
        }
        if (HIWORD(w) == LBN_DBLCLK) {
            list_.UserDblClick();
            return 0;
        }
        return std::nullopt;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemHeight =
            static_cast<UINT>(context_.Dpi().ToDevice(list_.ItemHeight()));
        return TRUE;
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(l));
        return TRUE;
    case WM_CTLCOLORLISTBOX: {
        auto dc = reinterpret_cast<HDC>(w);
        SetTextColor(dc, ColorRef(list_.Font().Color()));
        SetBkColor(dc, ColorRef(list_.Color()));
        return reinterpret_cast<LRESULT>(context_.Brushes().Get(list_.Color()));
    }
    default:
        return std::nullopt;
    }
}
