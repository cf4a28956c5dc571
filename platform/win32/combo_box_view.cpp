#include "platform/win32/combo_box_view.h"

#include "platform/win32/collation.h"

namespace {

// A combo box window's height includes its dropped-down list.
constexpr int kListHeight = 200;

} // namespace

ComboBoxView::ComboBoxView(TComboBox& combo, ViewContext& context)
    : ControlWindow(combo, context), combo_(combo) {
    DWORD style = WS_VSCROLL | WS_TABSTOP;
    style |= combo.Style() == TComboBoxStyle::csDropDownList ? CBS_DROPDOWNLIST
                                                             : CBS_DROPDOWN | CBS_AUTOHSCROLL;
    CreateChild(L"COMBOBOX", style, 0, false);
    Place();
    if (combo.Sorted())
        combo.SetCollation(&CompareLikeSortedList);
    items_.Show(Handle(), combo.Items());
    ShowSelection();
}

void ComboBoxView::Changed(ViewChange what) {
    switch (what) {
    case ViewChange::Items:
        items_.Show(Handle(), combo_.Items());
        ShowSelection();
        break;
    case ViewChange::ItemIndex:
        ShowSelection();
        break;
    default:
        ControlWindow::Changed(what);
    }
}

void ComboBoxView::Place() {
    RECT r = DeviceBounds();
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left,
                 r.bottom - r.top + context_.Dpi().ToDevice(kListHeight),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBoxView::ShowSelection() const {
    Send(CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()));
}

std::optional<LRESULT> ComboBoxView::Reflected(UINT message, WPARAM w, LPARAM) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(w) == CBN_SELCHANGE) {
            combo_.UserSelect(static_cast<int>(Send(CB_GETCURSEL)));
            ShowSelection();
            return 0;
        }
        return std::nullopt;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: {
        auto dc = reinterpret_cast<HDC>(w);
        SetTextColor(dc, ColorRef(combo_.Font().Color()));
        SetBkColor(dc, ColorRef(combo_.Color()));
        return reinterpret_cast<LRESULT>(context_.Brushes().Get(combo_.Color()));
    }
    default:
        return std::nullopt;
    }
}
