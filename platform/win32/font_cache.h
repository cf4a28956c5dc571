#pragma once
// One GDI font per (name, height, style), created at the screen's DPI with the Central
// European character set, so that the font mapper picks a face with the Polish letters.
#include "platform/font.h"
#include "platform/win32/dpi_scale.h"

#include "platform/win32/windows_api.h"

#include <compare>
#include <map>
#include <string>

class FontCache {
public:
    explicit FontCache(DpiScale dpi) : dpi_(dpi) {}
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache();

    HFONT Get(const TFont& font);

private:
    struct Key {
        std::string name;
        int height;
        TFontStyles style;
        auto operator<=>(const Key&) const = default;
    };

    DpiScale dpi_;
    std::map<Key, HFONT> fonts_;
};
