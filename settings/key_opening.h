#pragma once
// How Read and Apply open a key: Read only opens a key that is there and never creates one;
// Apply creates a missing key. Either gives false when the key cannot be opened.
#include "platform/registry.h"

#include <string>

// OpenKey without creation fails for a missing key just as KeyExists would tell, so one
// call does both.
inline bool OpenToRead(TRegistry& registry, const std::string& path) {
    return registry.OpenKey(path, false);
}

inline bool OpenToWrite(TRegistry& registry, const std::string& path) {
    return registry.OpenKey(path, true);
}
