#include "platform/panel.h"

namespace {

TBevelCut AsBevelCut(const LayoutValue& v) {
    return v.AsEnum<TBevelCut>({{"bvNone", TBevelCut::bvNone},
                                {"bvLowered", TBevelCut::bvLowered},
                                {"bvRaised", TBevelCut::bvRaised}},
                               "bevel");
}

} // namespace

bool TPanel::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "BevelOuter")
        bevelOuter_ = AsBevelCut(v);
    else if (name == "BevelInner")
        bevelInner_ = AsBevelCut(v);
    else if (name == "BorderWidth")
        borderWidth_ = v.AsInt();
    else if (name == "BorderStyle")
        borderStyle_ = v.AsEnum<TBorderStyle>(
            {{"bsNone", TBorderStyle::bsNone}, {"bsSingle", TBorderStyle::bsSingle}},
            "border style");
    else
        return TWinControl::SetProperty(name, v);
    return true;
}
