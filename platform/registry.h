#pragma once
// TRegistry: the accessor the program uses. One key open at a time; opening another closes
// the first. Key paths are relative to the root key.
#include "platform/registry_store.h"

#include <memory>
#include <optional>
#include <string>

class TStringList;

enum class TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

class TRegistry {
public:
    // The root is HKEY_CURRENT_USER at first.
    explicit TRegistry(RegistryStore& store);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    ::RootKey RootKey() const { return root_; }
    // Closes any open key.
    void SetRootKey(::RootKey root);
    bool KeyExists(const std::string& path);
    // Opens `path`, creating it when `canCreate`; false when it can be neither.
    bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey();
    bool HasCurrentKey() const { return key_ != nullptr; }
    const std::string& CurrentPath() const { return currentPath_; }

    // Values of the open key. With no key open, nothing exists and every write fails.
    bool ValueExists(const std::string& name);
    TRegDataType GetDataType(const std::string& name);
    // The size of the data in bytes (a string's with its terminating NUL, one byte a
    // character); -1 when missing.
    int GetDataSize(const std::string& name);
    // A REG_DWORD; any other value raises "Invalid data type for '%s'", a missing one
    // "Failed to get data for '%s'".
    int ReadInteger(const std::string& name);
    // A REG_SZ or REG_EXPAND_SZ; "" when missing; another type raises "Invalid data type for
    // '%s'".
    std::string ReadString(const std::string& name);
    // Copies a value's bytes (GetDataSize of them, so a string brings its NUL) into
    // `buffer` and returns their number; a missing value gives
    // 0; one larger than `size` raises "Failed to get data for '%s'" and copies nothing.
    int ReadBinaryData(const std::string& name, void* buffer, int size);
    // A refused write raises "Failed to set data for '%s'".
    void WriteInteger(const std::string& name, int value);
    void WriteString(const std::string& name, const std::string& value);
    void WriteExpandString(const std::string& name, const std::string& value);
    void WriteBinaryData(const std::string& name, const void* buffer, int size);
    // False when the value did not exist or could not be deleted; never raises.
    bool DeleteValue(const std::string& name);
    // Deletes a key of the root with everything below it; false when it did not go. The
    // open key is closed first when it is that key or lies below it.
    bool DeleteKey(const std::string& path);
    // The names of the open key's immediate sub-keys (the list is cleared first).
    void GetKeyNames(TStringList& list);

private:
    void Write(const std::string& name, const RegistryValue& value);
    // A value of the open key. The last one asked for is kept until the accessor writes,
    // deletes or closes, so that GetDataType followed by a read of the same value asks the
    // registry once (each ask is a round trip to the server under Wine).
    const std::optional<RegistryValue>& Query(const std::string& name);
    void ForgetQueried();

    RegistryStore& store_;
    ::RootKey root_ = ::RootKey::CurrentUser;
    std::unique_ptr<RegistryKey> key_;
    std::string currentPath_;
    std::optional<std::string> queriedName_;
    std::optional<RegistryValue> queried_;
};
