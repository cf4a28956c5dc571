#pragma once
// TSpeedButton: a flat button that never takes the focus; Alt and the underlined letter of
// its caption press it.
#include "platform/control.h"

class TSpeedButton : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::string_view ClassName() const override { return "TSpeedButton"; }

    bool Flat() const { return flat_; }

    bool SetProperty(const std::string& name, const LayoutValue& value) override;

private:
    bool flat_ = false;
};

// The accelerator letter of a caption ("Z&amknij" gives 'a'), lower-cased; 0 for none.
// "&&" stands for a plain ampersand.
char AcceleratorOf(const std::string& caption);
