#include "platform/win32/colors.h"

COLORREF ColorRef(TColor color) {
    auto bits = static_cast<std::uint32_t>(color);
    if (IsSystemColor(color))
        return GetSysColor(static_cast<int>(bits & 0xFF));
    return bits & 0xFFFFFF;
}

BrushCache::~BrushCache() {
    for (auto& [color, brush] : brushes_)
        DeleteObject(brush);
}

HBRUSH BrushCache::Get(TColor color) {
    COLORREF rgb = ColorRef(color);
    auto found = brushes_.find(rgb);
    if (found != brushes_.end())
        return found->second;
    HBRUSH brush = CreateSolidBrush(rgb);
    brushes_.emplace(rgb, brush);
    return brush;
}
