#include "platform/bevel.h"

bool TBevel::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "Shape")
        shape_ = v.AsEnum<TBevelShape>({{"bsBox", TBevelShape::bsBox},
                                        {"bsFrame", TBevelShape::bsFrame},
                                        {"bsLeftLine", TBevelShape::bsLeftLine},
                                        {"bsRightLine", TBevelShape::bsRightLine},
                                        {"bsTopLine", TBevelShape::bsTopLine},
                                        {"bsBottomLine", TBevelShape::bsBottomLine}},
                                       "bevel shape");
    else if (name == "Style")
        style_ = v.AsEnum<TBevelStyle>(
            {{"bsLowered", TBevelStyle::bsLowered}, {"bsRaised", TBevelStyle::bsRaised}},
            "bevel style");
    else
        return TGraphicControl::SetProperty(name, v);
    return true;
}

bool TImage::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "Picture")
        picture_ = v.AsString();
    else if (name == "Center")
        center_ = v.AsBool();
    else
        return TGraphicControl::SetProperty(name, v);
    return true;
}
