#pragma once
// The registry's own keys as the journal asks about them: each opened at most once, never
// created, and kept open while the journal works, since under Wine every open is a round
// trip to the server. Nothing here writes.
#include "undo/key_place.h"

#include <map>
#include <memory>
#include <string>

class RealKeys {
public:
    explicit RealKeys(RegistryStore& store) : store_(store) {}

    // The key, or null when it does not exist (or cannot be opened).
    RegistryKey* Find(const KeyPlace& place);
    bool Exists(const KeyPlace& place) { return Find(place) != nullptr; }

private:
    RegistryStore& store_;
    std::map<std::u16string, std::unique_ptr<RegistryKey>> opened_;
};
