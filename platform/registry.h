#pragma once
// TRegistry: the accessor the program uses. One key open at a time; opening another closes
// the first. Key paths are relative to the root key, in the accessor's view. Paths and names
// are Windows-1250 text, or UTF-16 exactly as the registry holds them for the few callers
// that must reach names the code page cannot hold.
#include "platform/registry_store.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

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
    // The 64-bit view at first. Closes any open key.
    RegistryView View() const { return view_; }
    void SetView(RegistryView view);
    bool KeyExists(const std::string& path);
    bool KeyExists(const std::u16string& path);
    // Opens `path`, creating it when `canCreate`; false when it can be neither.
    bool OpenKey(const std::string& path, bool canCreate);
    bool OpenKey(const std::u16string& path, bool canCreate);
    void CloseKey();
    bool HasCurrentKey() const { return key_ != nullptr; }
    // The open key's path as it was opened, without a leading backslash.
    std::string CurrentPath() const;

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
    bool DeleteKey(const std::u16string& path);
    // The names of the open key's immediate sub-keys (the list is cleared first).
    void GetKeyNames(TStringList& list);
    void GetKeyNames(std::vector<std::u16string>& names);
    // The names of the open key's values (the list is cleared first).
    void GetValueNames(std::vector<std::u16string>& names);

    // A value of the open key exactly as the registry holds it; nothing when missing.
    std::optional<ExactValue> ReadExact(const std::u16string& name);
    // Stores the type code and bytes as they stand; a refused write raises "Failed to set
    // data for '%s'".
    void WriteExact(const std::u16string& name, const ExactValue& value);

private:
    // A value of the open key. The last one asked for is kept until the accessor writes,
    // deletes or closes, so that GetDataType followed by a read of the same value asks the
    // registry once (each ask is a round trip to the server under Wine).
    const std::optional<ExactValue>& Query(const std::u16string& name);
    std::optional<RegistryValue> Query(const std::string& name);
    void ForgetQueried();

    RegistryStore& store_;
    ::RootKey root_ = ::RootKey::CurrentUser;
    RegistryView view_ = RegistryView::Bits64;
    std::unique_ptr<RegistryKey> key_;
    std::u16string currentPath_;
    std::optional<std::u16string> queriedName_;
    std::optional<ExactValue> queried_;
};
