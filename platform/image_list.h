#pragma once
// TImageList: a list of icons of one size; it keeps its own reference to each picture.
#include "platform/component.h"
#include "platform/icon.h"
#include "platform/layout_value.h"

#include <vector>

class TCanvas;

class TImageList : public TComponent {
public:
    using TComponent::TComponent;
    std::string_view ClassName() const override { return "TImageList"; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }
    const TIcon& Icon(int index) const;

    void Clear() { images_.clear(); }
    // Appends an icon and returns its index; an empty icon is refused.
    int AddIcon(const TIcon& icon);
    // Replaces image `index`; an empty icon or a bad index raises "Unable to Replace Image".
    void ReplaceIcon(int index, const TIcon& icon);
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

    bool SetProperty(const std::string& name, const LayoutValue& value) override;

private:
    int width_ = 16;
    int height_ = 16;
    std::vector<TIcon> images_;
};
