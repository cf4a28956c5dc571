#include "platform/win32/view_factory.h"

#include "platform/exceptions.h"
#include "platform/win32/bevel_view.h"
#include "platform/win32/button_view.h"
#include "platform/win32/check_box_view.h"
#include "platform/win32/combo_box_view.h"
#include "platform/win32/edit_view.h"
#include "platform/win32/group_box_view.h"
#include "platform/win32/image_view.h"
#include "platform/win32/label_view.h"
#include "platform/win32/list_box_view.h"
#include "platform/win32/page_control_view.h"
#include "platform/win32/panel_view.h"
#include "platform/win32/speed_button_view.h"
#include "platform/win32/tab_order.h"
#include "platform/win32/tab_sheet_view.h"

#include <memory>

namespace {

template <class Control, class View> bool TryCreate(TControl& control, ViewContext& context) {
    auto* typed = dynamic_cast<Control*>(&control);
    if (!typed)
        return false;
    control.SetView(std::make_unique<View>(*typed, context));
    return true;
}

void CreateView(TControl& control, ViewContext& context) {
    bool created = TryCreate<TCheckBox, CheckBoxView>(control, context) ||
                   TryCreate<TButton, ButtonView>(control, context) ||
                   TryCreate<TEdit, EditView>(control, context) ||
                   TryCreate<TLabel, LabelView>(control, context) ||
                   TryCreate<TSpeedButton, SpeedButtonView>(control, context) ||
                   TryCreate<TBevel, BevelView>(control, context) ||
                   TryCreate<TImage, ImageView>(control, context) ||
                   TryCreate<TPanel, PanelView>(control, context) ||
                   TryCreate<TGroupBox, GroupBoxView>(control, context) ||
                   TryCreate<TTabSheet, TabSheetView>(control, context) ||
                   TryCreate<TPageControl, PageControlView>(control, context) ||
                   TryCreate<TListBox, ListBoxView>(control, context) ||
                   TryCreate<TComboBox, ComboBoxView>(control, context);
    if (!created)
        throw EInvalidOperation("No window for a " + std::string(control.ClassName()));
}

void StackInTabOrder(const TWinControl& parent) {
    HWND above = HWND_TOP;
    for (TControl* child : ChildrenInTabOrder(parent)) {
        HWND window = WindowOf(*child);
        SetWindowPos(window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = window;
    }
}

} // namespace

void CreateChildViews(TWinControl& parent, ViewContext& context) {
    for (TControl* child : parent.Controls()) {
        CreateView(*child, context);
        if (auto* windowed = dynamic_cast<TWinControl*>(child))
            CreateChildViews(*windowed, context);
    }
    StackInTabOrder(parent);
}
