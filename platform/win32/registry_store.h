#pragma once
// The registry of the system (advapi32, W functions). Keys open for reading and writing
// where the registry allows it and for reading only where it does not, so a key whose
// writes are refused still reads, and the refusal shows at the write.
#include "platform/registry_store.h"

class Win32RegistryStore : public RegistryStore {
public:
    // A key that exists but may not be read still exists.
    bool KeyExistsExact(RootKey root, RegistryView view, const std::u16string& path) override;
    std::unique_ptr<RegistryKey> OpenKeyExact(RootKey root, RegistryView view,
                                              const std::u16string& path, bool create) override;
    // An empty path, the root itself, is refused.
    bool DeleteKeyExact(RootKey root, RegistryView view, const std::u16string& path) override;
};
