#pragma once
// An HKEY that closes itself.
#include "platform/win32/windows_api.h"

class RegistryKeyHandle {
public:
    RegistryKeyHandle() = default;
    explicit RegistryKeyHandle(HKEY key) : key_(key) {}
    ~RegistryKeyHandle() {
        if (key_)
            RegCloseKey(key_);
    }
    RegistryKeyHandle(const RegistryKeyHandle&) = delete;
    RegistryKeyHandle& operator=(const RegistryKeyHandle&) = delete;

    HKEY get() const { return key_; }
    // For the functions that hand back a new key; the handle must be empty.
    HKEY* out() { return &key_; }

private:
    HKEY key_ = nullptr;
};
