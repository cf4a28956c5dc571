#include "undo/real_keys.h"

RealKeys::Known& RealKeys::Look(const KeyPlace& place) {
    auto [found, added] = known_.try_emplace(place.Identity());
    Known& known = found->second;
    if (added) {
        std::u16string path = place.Path();
        known.key = store_.OpenKeyExact(place.root, RegistryView::Bits64, path, false);
        known.exists = known.key || store_.KeyExistsExact(place.root, RegistryView::Bits64, path);
    }
    return known;
}

RegistryKey* RealKeys::Find(const KeyPlace& place) {
    return Look(place).key.get();
}

bool RealKeys::Exists(const KeyPlace& place) {
    return Look(place).exists;
}
