#pragma once
// TLabel: a caption without a window of its own.
#include "platform/control.h"

class TLabel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::string_view ClassName() const override { return "TLabel"; }

    // A label that fits its caption is resized by the view, which knows the font metrics.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    bool WordWrap() const { return wordWrap_; }
    TTextLayout Layout() const { return layout_; }
    TAlignment Alignment() const { return alignment_; }
    bool Transparent() const { return transparent_; }

    bool SetProperty(const std::string& name, const LayoutValue& value) override;

private:
    bool autoSize_ = true;
    bool wordWrap_ = false;
    TTextLayout layout_ = TTextLayout::tlTop;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool transparent_ = false;
};
