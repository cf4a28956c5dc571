#pragma once
// A registry store that passes every call on to another one and keeps a log of them, so a
// test can see which keys were opened and which values touched, in order.
#include "platform/registry_store.h"

#include <string>
#include <vector>

// Log lines: "open hkcu\path" (without creation), "create hkcu\path", "exists hkcu\path",
// "query Name", "set Name", "delete Name", "delete key hkcu\path". Paths are folded to
// lower case; hkcr is HKEY_CLASSES_ROOT.
class RecordingStore : public RegistryStore {
public:
    explicit RecordingStore(RegistryStore& inner) : inner_(inner) {}

    bool KeyExistsExact(RootKey root, RegistryView view, const std::u16string& path) override;
    std::unique_ptr<RegistryKey> OpenKeyExact(RootKey root, RegistryView view,
                                              const std::u16string& path, bool create) override;
    bool DeleteKeyExact(RootKey root, RegistryView view, const std::u16string& path) override;

    std::vector<std::string> log;

private:
    RegistryStore& inner_;
};

// The log lines that open or create keys, in order.
std::vector<std::string> KeyVisits(const std::vector<std::string>& log);
// The value names that the lines of one kind ("query", "set", ...) name while the key
// `keyLine` ("open hkcu\...") is open, each run of repeats once.
std::vector<std::string> ValuesTouched(const std::vector<std::string>& log,
                                       const std::string& keyLine, const std::string& kind);
