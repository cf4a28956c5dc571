#pragma once
// TPanel and TGroupBox: containers with a frame.
#include "platform/control.h"

class TPanel : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::string_view ClassName() const override { return "TPanel"; }

    TBevelCut BevelOuter() const { return bevelOuter_; }
    TBevelCut BevelInner() const { return bevelInner_; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    int BorderWidth() const { return borderWidth_; }

    bool SetProperty(const std::string& name, const LayoutValue& value) override;

private:
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    int borderWidth_ = 0;
};

class TGroupBox : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::string_view ClassName() const override { return "TGroupBox"; }
};
