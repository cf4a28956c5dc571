#include "undo/real_keys.h"

RegistryKey* RealKeys::Find(const KeyPlace& place) {
    auto [found, added] = opened_.try_emplace(place.Identity());
    if (added)
        found->second = store_.OpenKeyExact(place.root, RegistryView::Bits64, place.Path(), false);
    return found->second.get();
}
