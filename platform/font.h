#pragma once
// TFont: the face, height in pixels (negative: character height), style and colour of a
// control's text. The owning control hears every attribute set, even to the same value.
#include "platform/types.h"

#include <functional>
#include <string>

class TFont {
public:
    const std::string& Name() const { return name_; }
    int Height() const { return height_; }
    TFontStyles Style() const { return style_; }
    TColor Color() const { return color_; }

    void SetName(std::string name);
    void SetHeight(int height);
    void SetStyle(TFontStyles style);
    void SetColor(TColor color);
    // Copies another font's attributes, raising one change at most.
    void Assign(const TFont& other);

    friend bool operator==(const TFont& a, const TFont& b) {
        return a.name_ == b.name_ && a.height_ == b.height_ && a.style_ == b.style_ &&
               a.color_ == b.color_;
    }

    std::function<void()> OnChange;

private:
    void Changed();

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
};
