#include "platform/font.h"

// Every set is reported, even of the value the font has: a control learns from it that its
// font is now its own (ParentFont off), whatever its parent's font happens to be.
void TFont::SetName(std::string name) {
    name_ = std::move(name);
    Changed();
}

void TFont::SetHeight(int height) {
    height_ = height;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    color_ = color;
    Changed();
}

void TFont::Assign(const TFont& other) {
    if (*this == other)
        return;
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    Changed();
}

void TFont::Changed() {
    if (OnChange)
        OnChange();
}
