#pragma once
// A TListBox as a LISTBOX with the model's items, never sorted by the window itself (a
// sorted model list uses the system's collation, so positions agree). Owner-drawn items
// are drawn by the model on a prepared canvas.
#include "platform/list_box.h"
#include "platform/win32/control_window.h"
#include "platform/win32/items_mirror.h"

class ListBoxView final : public ControlWindow {
public:
    ListBoxView(TListBox& list, ViewContext& context);

    void Changed(ViewChange what) override;
    bool TakesFocus() const override { return true; }
    std::optional<LRESULT> Reflected(UINT message, WPARAM w, LPARAM l) override;

private:
    bool MirrorsCaption() const override { return false; }
    void ShowSelection() const;
    void ShowColumnWidth() const;
    void DrawItem(const DRAWITEMSTRUCT& item);

    TListBox& list_;
    ItemsMirror items_{{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT}};
};
