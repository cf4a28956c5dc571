#pragma once
// A registry held in memory: the store the native tests run the program on. It behaves as
// the registry of a Wine prefix does: names are UTF-16 and ignore letter case, values keep
// their exact type code and bytes, HKEY_CLASSES_ROOT is HKEY_LOCAL_MACHINE\Software\Classes,
// and the 32-bit view finds its keys where PathIn64BitView says they live. Sub-keys and
// values are listed in creation order.
#include "platform/registry_store.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The whole store as comparable data, so a test can tell whether an operation wrote
// anything it should not have. Keys read "HKEY_CURRENT_USER\Software\Name" in their
// created case; values are keyed by (key, value name). Names and values are shown as the
// program sees them, in Windows-1250.
struct RegistrySnapshot {
    std::set<std::string> keys;
    std::map<std::pair<std::string, std::string>, RegistryValue> values;
    friend bool operator==(const RegistrySnapshot&, const RegistrySnapshot&) = default;
};

class MemoryRegistryStore : public RegistryStore {
public:
    MemoryRegistryStore();
    ~MemoryRegistryStore() override;
    MemoryRegistryStore(const MemoryRegistryStore&) = delete;
    MemoryRegistryStore& operator=(const MemoryRegistryStore&) = delete;

    bool KeyExistsExact(RootKey root, RegistryView view, const std::u16string& path) override;
    std::unique_ptr<RegistryKey> OpenKeyExact(RootKey root, RegistryView view,
                                              const std::u16string& path, bool create) override;
    bool DeleteKeyExact(RootKey root, RegistryView view, const std::u16string& path) override;

    // From now on, creating keys and setting or deleting values at or below `path` fail
    // (the key need not exist yet). Deleting the key itself still works, as under Wine.
    void RefuseWritesUnder(RootKey root, const std::string& path);

    // Test set-up: creates the key and sets the value, whatever is refused.
    void Put(RootKey root, const std::string& path, const std::string& name,
             const RegistryValue& value);
    std::optional<RegistryValue> Get(RootKey root, const std::string& path,
                                     const std::string& name);
    RegistrySnapshot Snapshot() const;

private:
    friend class MemoryRegistryKey;
    struct Node;
    // A key's place: the root it really lives under and its path components as written.
    struct Location {
        RootKey root;
        std::vector<std::u16string> parts;
    };

    Location Locate(RootKey root, RegistryView view, const std::u16string& path) const;
    bool IsRefused(const Location& location) const;
    std::shared_ptr<Node> Find(const Location& location) const;
    std::shared_ptr<Node> Create(const Location& location);
    const std::shared_ptr<Node>& Root(RootKey root) const;

    std::shared_ptr<Node> currentUser_;
    std::shared_ptr<Node> localMachine_;
    std::vector<Location> refused_;
};
