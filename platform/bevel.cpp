#include "platform/bevel.h"

#include "platform/exceptions.h"

bool TBevel::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "Shape") {
        static const struct {
            const char* name;
            TBevelShape shape;
        } shapes[] = {
            {"bsBox", TBevelShape::bsBox},           {"bsFrame", TBevelShape::bsFrame},
            {"bsLeftLine", TBevelShape::bsLeftLine}, {"bsRightLine", TBevelShape::bsRightLine},
            {"bsTopLine", TBevelShape::bsTopLine},   {"bsBottomLine", TBevelShape::bsBottomLine}};
        for (const auto& s : shapes)
            if (v.AsIdentifier() == s.name) {
                shape_ = s.shape;
                return true;
            }
        throw EInvalidOperation("Unknown bevel shape " + v.AsIdentifier());
    }
    if (name == "Style") {
        const auto& id = v.AsIdentifier();
        if (id == "bsLowered")
            style_ = TBevelStyle::bsLowered;
        else if (id == "bsRaised")
            style_ = TBevelStyle::bsRaised;
        else
            throw EInvalidOperation("Unknown bevel style " + id);
        return true;
    }
    return TGraphicControl::SetProperty(name, v);
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
