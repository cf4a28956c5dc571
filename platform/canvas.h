#pragma once
// TCanvas: what an owner-draw handler draws on. The platform prepares font and brush for
// the item before the handler runs.
#include "platform/font.h"
#include "platform/types.h"

#include <string>

class TIcon;

class TCanvas {
public:
    virtual ~TCanvas() = default;

    TFont& Font() { return font_; }
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor color) { brushColor_ = color; }

    virtual void FillRect(const TRect& rect) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual void DrawIcon(int x, int y, const TIcon& icon, bool enabled) = 0;

private:
    TFont font_;
    TColor brushColor_ = clWindow;
};
