#include "platform/button.h"

bool TButton::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "Default")
        default_ = v.AsBool();
    else if (name == "ModalResult")
        modalResult_ = v.AsInt();
    else
        return TWinControl::SetProperty(name, v);
    return true;
}
