#pragma once
// The registry as a store of keys and typed values: the narrow interface that TRegistry
// works over. Names are Windows-1250 text; key and value names ignore letter case; the value
// name "" is a key's default value.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

enum class RootKey { CurrentUser, ClassesRoot, LocalMachine };

enum class RegistryType { String, ExpandString, DWord, Binary, Other };

struct RegistryValue {
    RegistryType type = RegistryType::String;
    // A string's Windows-1250 text without its terminating NUL; a DWORD's four bytes, low
    // byte first; binary data as it stands.
    std::string data;

    static RegistryValue String(std::string text) {
        return {RegistryType::String, std::move(text)};
    }
    static RegistryValue ExpandString(std::string text) {
        return {RegistryType::ExpandString, std::move(text)};
    }
    static RegistryValue DWord(std::uint32_t value);
    static RegistryValue Binary(std::string bytes) {
        return {RegistryType::Binary, std::move(bytes)};
    }
    std::uint32_t AsDWord() const; // the first four bytes, low byte first
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// An open key. It stays valid while the store lives, even when the key is deleted.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    virtual std::optional<RegistryValue> Query(const std::string& name) = 0;
    // False when the registry refuses the write. RegistryType::Other is stored as REG_NONE.
    virtual bool Set(const std::string& name, const RegistryValue& value) = 0;
    // False when there was no such value or it could not be deleted.
    virtual bool DeleteValue(const std::string& name) = 0;
    // Names as they were created. Their order is the store's own: the real registry keeps
    // its own order, so callers must not rely on one.
    virtual std::vector<std::string> SubKeyNames() = 0;
    virtual std::vector<std::string> ValueNames() = 0;
};

class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    virtual bool KeyExists(RootKey root, const std::string& path) = 0;
    // Opens a key, creating it and any missing parents when `create` is set; null when it
    // can be neither opened nor created.
    virtual std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::string& path,
                                                 bool create) = 0;
    // Deletes a key with everything below it; false when it did not exist or could not go.
    virtual bool DeleteKey(RootKey root, const std::string& path) = 0;
};
