#pragma once
// A TCanvas over a device context, for owner-drawn items. The model's coordinates and font
// heights are 96-DPI pixels; this draws them at the device's scale.
#include "platform/win32/windows_api.h"

#include "platform/canvas.h"
#include "platform/win32/view_context.h"

class GdiCanvas final : public TCanvas {
public:
    GdiCanvas(HDC dc, ViewContext& context);
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;
    ~GdiCanvas() override;

    void FillRect(const TRect& rect) override;
    int TextHeight(const std::string& text) override;
    void TextOut(int x, int y, const std::string& text) override;
    void DrawIcon(int x, int y, const TIcon& icon, bool enabled) override;

private:
    void SelectFont();

    HDC dc_;
    ViewContext& context_;
    HGDIOBJ originalFont_;
};
