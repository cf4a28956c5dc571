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

    // The key, or null when it does not exist or cannot be opened.
    RegistryKey* Find(const KeyPlace& place);
    // A key that cannot be opened may exist all the same (one the user may not read): it
    // must never be taken for a key the operation creates, whose removal would take it away.
    bool Exists(const KeyPlace& place);

private:
    struct Known {
        std::unique_ptr<RegistryKey> key;
        bool exists = false;
    };
    Known& Look(const KeyPlace& place);

    RegistryStore& store_;
    std::map<std::u16string, Known> known_;
};
