#include "platform/list_box.h"

#include "platform/exceptions.h"

#include <algorithm>

int SortedPosition(const std::vector<std::string>& items, const std::string& text,
                   TCollation collation) {
    // Halving: the system's collation converts both texts on every comparison, and a list
    // of a few hundred programs is filled one item at a time.
    auto after = std::upper_bound(items.begin(), items.end(), text,
                                  [collation](const std::string& value, const std::string& item) {
                                      return collation(item, value) > 0;
                                  });
    return static_cast<int>(after - items.begin());
}

int TListBox::Add(const std::string& text) {
    int index = Count();
    if (sorted_)
        index = SortedPosition(items_, text, collation_);
    items_.insert(items_.begin() + index, text);
    if (itemIndex_ >= index)
        ++itemIndex_;
    Changed(ViewChange::Items);
    return index;
}

void TListBox::SetItem(int index, const std::string& text) {
    if (index < 0 || index >= Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    items_[index] = text;
    Changed(ViewChange::Items);
}

void TListBox::Clear() {
    items_.clear();
    itemIndex_ = -1;
    Changed(ViewChange::Items);
}

void TListBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count())
        index = -1;
    if (itemIndex_ != index) {
        itemIndex_ = index;
        Changed(ViewChange::ItemIndex);
    }
}

void TListBox::SetColumnWidth(int width) {
    columnWidth_ = width;
    Changed(ViewChange::Style);
}

void TListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state, TCanvas& canvas) {
    if (!OnDrawItem)
        return;
    canvas_ = &canvas;
    try {
        OnDrawItem(this, index, rect, state);
    } catch (...) {
        canvas_ = nullptr;
        throw;
    }
    canvas_ = nullptr;
}

void TListBox::UserSelect(int index) {
    if (!Reachable())
        return;
    int before = itemIndex_;
    SetItemIndex(index);
    if (itemIndex_ != before && OnChange)
        OnChange(this);
}

bool TListBox::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "Items")
        items_ = v.AsStringList();
    else if (name == "Sorted")
        sorted_ = v.AsBool();
    else if (name == "ItemHeight")
        itemHeight_ = v.AsInt();
    else if (name == "Columns")
        columns_ = v.AsInt();
    else if (name == "Style")
        style_ = v.AsEnum<TListBoxStyle>({{"lbStandard", TListBoxStyle::lbStandard},
                                          {"lbOwnerDrawFixed", TListBoxStyle::lbOwnerDrawFixed}},
                                         "list box style");
    else
        return TWinControl::SetProperty(name, v);
    return true;
}

bool TListBox::BindEvent(const std::string& event, const std::string& handler,
                         const EventHandlers& handlers) {
    if (event == "OnDrawItem")
        OnDrawItem = handlers.DrawItem(handler);
    else if (event == "OnChange")
        OnChange = handlers.Notify(handler);
    else
        return TWinControl::BindEvent(event, handler, handlers);
    return true;
}
