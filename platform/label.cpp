#include "platform/label.h"

#include "platform/exceptions.h"

bool TLabel::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "AutoSize")
        autoSize_ = v.AsBool();
    else if (name == "WordWrap")
        wordWrap_ = v.AsBool();
    else if (name == "Transparent")
        transparent_ = v.AsBool();
    else if (name == "Layout") {
        const auto& id = v.AsIdentifier();
        if (id == "tlTop")
            layout_ = TTextLayout::tlTop;
        else if (id == "tlCenter")
            layout_ = TTextLayout::tlCenter;
        else if (id == "tlBottom")
            layout_ = TTextLayout::tlBottom;
        else
            throw EInvalidOperation("Unknown layout " + id);
    } else if (name == "Alignment") {
        const auto& id = v.AsIdentifier();
        if (id == "taLeftJustify")
            alignment_ = TAlignment::taLeftJustify;
        else if (id == "taCenter")
            alignment_ = TAlignment::taCenter;
        else if (id == "taRightJustify")
            alignment_ = TAlignment::taRightJustify;
        else
            throw EInvalidOperation("Unknown alignment " + id);
    } else
        return TGraphicControl::SetProperty(name, v);
    return true;
}
