#pragma once
// TComboBox: a drop-down list of texts.
#include "platform/control.h"
#include "platform/list_box.h"

#include <string>
#include <vector>

class TComboBox : public TWinControl {
public:
    // Text and lists stand on the window colour, not on the face of the dialog.
    explicit TComboBox(TComponent* owner) : TWinControl(owner) { SetColor(clWindow); }
    std::string_view ClassName() const override { return "TComboBox"; }

    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    int Add(const std::string& text);
    void Clear();
    // The index of an item equal to `text` ignoring letter case, or -1.
    int IndexOf(const std::string& text) const;
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // The selected item's text, or "".
    std::string Text() const;
    bool Sorted() const { return sorted_; }
    TComboBoxStyle Style() const { return style_; }
    void SetCollation(TCollation collation) { collation_ = collation; }

    TNotifyEvent OnChange;
    // The user picks an item: it is selected and OnChange runs.
    void UserSelect(int index);

    bool SetProperty(const std::string& name, const LayoutValue& value) override;
    bool BindEvent(const std::string& event, const std::string& handler,
                   const EventHandlers& handlers) override;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    bool sorted_ = false;
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    TCollation collation_ = CompareTextAnsi;
};
