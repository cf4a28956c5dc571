#pragma once
// A TComboBox as a COMBOBOX drop-down list with the model's items, in the model's order.
#include "platform/combo_box.h"
#include "platform/win32/control_window.h"
#include "platform/win32/items_mirror.h"

class ComboBoxView final : public ControlWindow {
public:
    ComboBoxView(TComboBox& combo, ViewContext& context);

    void Changed(ViewChange what) override;
    bool TakesFocus() const override { return true; }
    std::optional<LRESULT> Reflected(UINT message, WPARAM w, LPARAM l) override;
    // Enter closes an open list instead of pressing the default button.
    bool ListIsOpen() const { return Send(CB_GETDROPPEDSTATE) != FALSE; }

private:
    bool MirrorsCaption() const override { return false; }
    void Place() override;
    void ShowSelection() const;

    TComboBox& combo_;
    ItemsMirror items_{{CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT}};
};
