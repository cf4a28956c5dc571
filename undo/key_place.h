#pragma once
// A registry key by where it really lives: its root and the names along its path in the
// 64-bit view, which is what a .reg file can name. Names compare without letter case, as
// the registry's do.
#include "platform/registry_store.h"

#include <string>
#include <vector>

struct KeyPlace {
    RootKey root = RootKey::CurrentUser;
    std::vector<std::u16string> parts;

    static KeyPlace Of(RootKey root, RegistryView view, const std::u16string& path);
    // The parts joined by backslashes, relative to the root.
    std::u16string Path() const;
    // The root's full name, a backslash and the path, as a .reg file names the key.
    std::u16string FullName() const;
    // The same place whatever the letter case: a key for maps of places.
    std::u16string Identity() const;
    KeyPlace Parent() const;
    KeyPlace Child(const std::u16string& name) const;
    // True for the place itself and every key below it.
    bool IsAtOrBelow(const KeyPlace& ancestor) const;
};
