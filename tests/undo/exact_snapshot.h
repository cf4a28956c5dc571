#pragma once
// The whole of a store exactly as it holds it: every key under its name as created, every
// value with its type code and bytes. Comparing two of them shows whether a restore brought
// everything back, which the program's own snapshot (in Windows-1250) cannot tell.
#include "platform/registry_store.h"

#include <map>
#include <string>
#include <vector>

struct ExactSnapshot {
    // "HKEY_CURRENT_USER\Software\..." -> value name -> value.
    std::map<std::u16string, std::map<std::u16string, ExactValue>> keys;
    friend bool operator==(const ExactSnapshot&, const ExactSnapshot&) = default;
};

// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, which holds the classes too.
ExactSnapshot TakeExactSnapshot(RegistryStore& store);
// One readable line per key or value that differs, in UTF-8; none when they are equal.
std::vector<std::string> Differences(const ExactSnapshot& before, const ExactSnapshot& after);
