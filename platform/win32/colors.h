#pragma once
// TColor to COLORREF, and the solid brushes the views paint with.
#include "platform/types.h"

#include "platform/win32/windows_api.h"

#include <map>

// A system colour (high bit set) is GetSysColor of its low byte; any other is 0x00BBGGRR.
COLORREF ColorRef(TColor color);

// One solid brush per colour, kept until the cache goes.
class BrushCache {
public:
    BrushCache() = default;
    BrushCache(const BrushCache&) = delete;
    BrushCache& operator=(const BrushCache&) = delete;
    ~BrushCache();

    HBRUSH Get(TColor color);

private:
    std::map<COLORREF, HBRUSH> brushes_;
};
