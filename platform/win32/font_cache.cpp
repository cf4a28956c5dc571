#include "platform/win32/font_cache.h"

#include "platform/win32/wide_text.h"

#include <cwchar>

FontCache::~FontCache() {
    for (auto& [key, font] : fonts_)
        DeleteObject(font);
}

HFONT FontCache::Get(const TFont& font) {
    Key key{font.Name(), font.Height(), font.Style()};
    auto found = fonts_.find(key);
    if (found != fonts_.end())
        return found->second;
    LOGFONTW description{};
    description.lfHeight = dpi_.ToDevice(font.Height());
    description.lfWeight = (font.Style() & fsBold) ? FW_BOLD : FW_NORMAL;
    description.lfItalic = (font.Style() & fsItalic) ? TRUE : FALSE;
    description.lfUnderline = (font.Style() & fsUnderline) ? TRUE : FALSE;
    description.lfCharSet = EASTEUROPE_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH;
    std::wstring face = Wide(font.Name());
    wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    HFONT created = CreateFontIndirectW(&description);
    fonts_.emplace(std::move(key), created);
    return created;
}
