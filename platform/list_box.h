#pragma once
// TListBox: a list of texts, optionally sorted and owner-drawn, with a single selection.
#include "platform/control.h"
#include "platform/text_codec.h"

#include <string>
#include <vector>

class TCanvas;

// Compares two texts as the platform's sorted lists do (negative, zero, positive).
using TCollation = int (*)(const std::string& a, const std::string& b);
// Where a sorted list puts a new text: after every item that does not sort after it.
int SortedPosition(const std::vector<std::string>& items, const std::string& text,
                   TCollation collation);

class TListBox : public TWinControl {
public:
    // Text and lists stand on the window colour, not on the face of the dialog.
    explicit TListBox(TComponent* owner) : TWinControl(owner) { SetColor(clWindow); }
    std::string_view ClassName() const override { return "TListBox"; }

    const std::vector<std::string>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Adds a text, at its sorted place when Sorted; returns the position it took.
    int Add(const std::string& text);
    void SetItem(int index, const std::string& text);
    void Clear();
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    bool Sorted() const { return sorted_; }
    TListBoxStyle Style() const { return style_; }
    int ItemHeight() const { return itemHeight_; }
    // -1 or more than 0 makes a multi-column list.
    int Columns() const { return columns_; }
    int ColumnWidth() const { return columnWidth_; }
    void SetColumnWidth(int width);
    // The order of a sorted list; a view may put in the platform's own.
    void SetCollation(TCollation collation) { collation_ = collation; }

    // Asks for the visible items to be drawn again.
    void Repaint() { Changed(ViewChange::Repaint); }
    // Runs OnDrawItem for one item on a canvas the platform has prepared.
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state, TCanvas& canvas);
    TCanvas* Canvas() const { return canvas_; }

    TDrawItemEvent OnDrawItem;
    TNotifyEvent OnChange; // the selection changed through the user

    // The user selects an item (or -1).
    void UserSelect(int index);

    bool SetProperty(const std::string& name, const LayoutValue& value) override;
    bool BindEvent(const std::string& event, const std::string& handler,
                   const EventHandlers& handlers) override;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    bool sorted_ = false;
    TListBoxStyle style_ = TListBoxStyle::lbStandard;
    int itemHeight_ = 13;
    int columns_ = 0;
    int columnWidth_ = 0;
    TCollation collation_ = CompareTextAnsi;
    TCanvas* canvas_ = nullptr;
};
