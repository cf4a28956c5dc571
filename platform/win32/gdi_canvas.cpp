#include "platform/win32/gdi_canvas.h"

#include "platform/icon.h"
#include "platform/win32/icon_image.h"
#include "platform/win32/wide_text.h"

namespace {

constexpr int kIconSize = 32;

} // namespace

GdiCanvas::GdiCanvas(HDC dc, ViewContext& context)
    : dc_(dc), context_(context), originalFont_(GetCurrentObject(dc, OBJ_FONT)) {}

GdiCanvas::~GdiCanvas() {
    SelectObject(dc_, originalFont_);
}

void GdiCanvas::SelectFont() {
    SelectObject(dc_, context_.Fonts().Get(Font()));
}

void GdiCanvas::FillRect(const TRect& rect) {
    const DpiScale& dpi = context_.Dpi();
    RECT r{dpi.ToDevice(rect.Left), dpi.ToDevice(rect.Top), dpi.ToDevice(rect.Right),
           dpi.ToDevice(rect.Bottom)};
    ::FillRect(dc_, &r, context_.Brushes().Get(BrushColor()));
}

int GdiCanvas::TextHeight(const std::string& text) {
    SelectFont();
    std::wstring wide = Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return context_.Dpi().ToModel(size.cy);
}

void GdiCanvas::TextOut(int x, int y, const std::string& text) {
    // Like the framework's canvas, text stands on the brush colour.
    SelectFont();
    SetTextColor(dc_, ColorRef(Font().Color()));
    SetBkColor(dc_, ColorRef(BrushColor()));
    SetBkMode(dc_, OPAQUE);
    std::wstring wide = Wide(text);
    const DpiScale& dpi = context_.Dpi();
    TextOutW(dc_, dpi.ToDevice(x), dpi.ToDevice(y), wide.c_str(), static_cast<int>(wide.size()));
}

void GdiCanvas::DrawIcon(int x, int y, const TIcon& icon, bool enabled) {
    auto* image = dynamic_cast<const Win32IconImage*>(icon.Image());
    if (!image)
        return;
    const DpiScale& dpi = context_.Dpi();
    int size = dpi.ToDevice(kIconSize);
    if (enabled)
        DrawIconEx(dc_, dpi.ToDevice(x), dpi.ToDevice(y), image->Handle(), size, size, 0, nullptr,
                   DI_NORMAL);
    else
        DrawStateW(dc_, nullptr, nullptr, reinterpret_cast<LPARAM>(image->Handle()), 0,
                   dpi.ToDevice(x), dpi.ToDevice(y), size, size, DST_ICON | DSS_DISABLED);
}
