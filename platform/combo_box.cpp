#include "platform/combo_box.h"

#include "platform/exceptions.h"

int TComboBox::Add(const std::string& text) {
    int index = Count();
    if (sorted_)
        index = SortedPosition(items_, text, collation_);
    items_.insert(items_.begin() + index, text);
    if (itemIndex_ >= index)
        ++itemIndex_;
    Changed(ViewChange::Items);
    return index;
}

void TComboBox::Clear() {
    items_.clear();
    itemIndex_ = -1;
    Changed(ViewChange::Items);
}

int TComboBox::IndexOf(const std::string& text) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareTextAnsi(items_[i], text) == 0)
            return i;
    return -1;
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count())
        index = -1;
    if (itemIndex_ != index) {
        itemIndex_ = index;
        Changed(ViewChange::ItemIndex);
    }
}

std::string TComboBox::Text() const {
    return itemIndex_ >= 0 ? items_[itemIndex_] : std::string();
}

void TComboBox::UserSelect(int index) {
    if (!Reachable())
        return;
    SetItemIndex(index);
    if (OnChange)
        OnChange(this);
}

bool TComboBox::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "Items")
        items_ = v.AsStringList();
    else if (name == "Sorted")
        sorted_ = v.AsBool();
    else if (name == "Style")
        style_ = v.AsEnum<TComboBoxStyle>({{"csDropDown", TComboBoxStyle::csDropDown},
                                           {"csDropDownList", TComboBoxStyle::csDropDownList}},
                                          "combo box style");
    else
        return TWinControl::SetProperty(name, v);
    return true;
}

bool TComboBox::BindEvent(const std::string& event, const std::string& handler,
                          const EventHandlers& handlers) {
    if (event == "OnChange")
        OnChange = handlers.Notify(handler);
    else
        return TWinControl::BindEvent(event, handler, handlers);
    return true;
}
