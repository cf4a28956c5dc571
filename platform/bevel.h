#pragma once
// TBevel and TImage: decoration without a window of its own.
#include "platform/control.h"

class TBevel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::string_view ClassName() const override { return "TBevel"; }

    TBevelShape Shape() const { return shape_; }
    TBevelStyle Style() const { return style_; }

    bool SetProperty(const std::string& name, const LayoutValue& value) override;

private:
    TBevelShape shape_ = TBevelShape::bsBox;
    TBevelStyle style_ = TBevelStyle::bsLowered;
};

class TImage : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::string_view ClassName() const override { return "TImage"; }

    // The bitmap resource the picture comes from.
    const std::string& Picture() const { return picture_; }
    bool Center() const { return center_; }

    bool SetProperty(const std::string& name, const LayoutValue& value) override;

private:
    std::string picture_;
    bool center_ = false;
};
