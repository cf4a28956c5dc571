#include "platform/label.h"

bool TLabel::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "AutoSize")
        autoSize_ = v.AsBool();
    else if (name == "WordWrap")
        wordWrap_ = v.AsBool();
    else if (name == "Transparent")
        transparent_ = v.AsBool();
    else if (name == "Layout")
        layout_ = v.AsEnum<TTextLayout>({{"tlTop", TTextLayout::tlTop},
                                         {"tlCenter", TTextLayout::tlCenter},
                                         {"tlBottom", TTextLayout::tlBottom}},
                                        "text layout");
    else if (name == "Alignment")
        alignment_ = v.AsEnum<TAlignment>({{"taLeftJustify", TAlignment::taLeftJustify},
                                           {"taCenter", TAlignment::taCenter},
                                           {"taRightJustify", TAlignment::taRightJustify}},
                                          "alignment");
    else
        return TGraphicControl::SetProperty(name, v);
    return true;
}
