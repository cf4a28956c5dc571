#include "platform/panel.h"

#include "platform/exceptions.h"

namespace {

TBevelCut ParseBevelCut(const std::string& id) {
    if (id == "bvNone")
        return TBevelCut::bvNone;
    if (id == "bvLowered")
        return TBevelCut::bvLowered;
    if (id == "bvRaised")
        return TBevelCut::bvRaised;
    throw EInvalidOperation("Unknown bevel " + id);
}

} // namespace

bool TPanel::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "BevelOuter")
        bevelOuter_ = ParseBevelCut(v.AsIdentifier());
    else if (name == "BevelInner")
        bevelInner_ = ParseBevelCut(v.AsIdentifier());
    else if (name == "BorderWidth")
        borderWidth_ = v.AsInt();
    else if (name == "BorderStyle") {
        const auto& id = v.AsIdentifier();
        if (id == "bsNone")
            borderStyle_ = TBorderStyle::bsNone;
        else if (id == "bsSingle")
            borderStyle_ = TBorderStyle::bsSingle;
        else
            throw EInvalidOperation("Unknown border style " + id);
    } else
        return TWinControl::SetProperty(name, v);
    return true;
}
