#include "platform/speed_button.h"

#include "platform/text_codec.h"

bool TSpeedButton::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "Flat")
        flat_ = v.AsBool();
    else
        return TGraphicControl::SetProperty(name, v);
    return true;
}

char AcceleratorOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(Cp1250Lower(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}
