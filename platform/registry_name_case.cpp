#include "platform/registry_name_case.h"

#include <algorithm>

namespace {

bool IsIn(char16_t unit, char16_t first, char16_t last) {
    return unit >= first && unit <= last;
}

// The blocks where capital and small letters alternate, capital first.
bool IsCapitalOfPair(char16_t unit) {
    bool even = unit % 2 == 0;
    return (IsIn(unit, 0x0100, 0x012F) && even) || (IsIn(unit, 0x0132, 0x0137) && even) ||
           (IsIn(unit, 0x0139, 0x0148) && !even) || (IsIn(unit, 0x014A, 0x0177) && even) ||
           (IsIn(unit, 0x0179, 0x017E) && !even);
}

} // namespace

char16_t RegistryFoldCase(char16_t unit) {
    if (unit < 0x80)
        return IsIn(unit, u'A', u'Z') ? unit + 0x20 : unit;
    if ((IsIn(unit, 0x00C0, 0x00DE) && unit != 0x00D7) ||
        (IsIn(unit, 0x0391, 0x03AB) && unit != 0x03A2) || IsIn(unit, 0x0410, 0x042F))
        return unit + 0x20;
    if (IsCapitalOfPair(unit))
        return unit + 1;
    if (IsIn(unit, 0x0400, 0x040F))
        return unit + 0x50;
    if (IsIn(unit, 0x0388, 0x038A))
        return unit + 0x25;
    if (IsIn(unit, 0x038E, 0x038F))
        return unit + 0x3F;
    switch (unit) {
    case 0x0178: // Ÿ
        return 0x00FF;
    case 0x0386: // Ά
        return 0x03AC;
    case 0x038C: // Ό
        return 0x03CC;
    default:
        return unit;
    }
}

bool SameRegistryName(std::u16string_view a, std::u16string_view b) {
    // Most names compared are spelled alike or differ early, so folding waits for a mismatch.
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto x, auto y) {
               return x == y || RegistryFoldCase(x) == RegistryFoldCase(y);
           });
}
