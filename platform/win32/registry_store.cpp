#include "platform/win32/registry_store.h"

#include "platform/win32/registry_key_handle.h"
#include "platform/win32/registry_roots.h"
#include "platform/win32/wide_text.h"

#include <cstring>
#include <iterator>
#include <vector>

namespace {

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

RegistryValue Decode(DWORD type, const std::vector<BYTE>& bytes) {
    if (IsText(type)) {
        std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
        if (!text.empty() && text.back() == L'\0')
            text.pop_back();
        return {type == REG_SZ ? RegistryType::String : RegistryType::ExpandString, Narrow(text)};
    }
    std::string data(bytes.begin(), bytes.end());
    switch (type) {
    case REG_DWORD:
        return {RegistryType::DWord, std::move(data)};
    case REG_BINARY:
        return RegistryValue::Binary(std::move(data));
    default:
        return {RegistryType::Other, std::move(data)};
    }
}

DWORD TypeCode(RegistryType type) {
    switch (type) {
    case RegistryType::String:
        return REG_SZ;
    case RegistryType::ExpandString:
        return REG_EXPAND_SZ;
    case RegistryType::DWord:
        return REG_DWORD;
    case RegistryType::Binary:
        return REG_BINARY;
    case RegistryType::Other:
        break;
    }
    return REG_NONE;
}

// The bytes RegSetValueExW takes: strings in UTF-16 with their NUL.
std::string Encode(const RegistryValue& value) {
    if (value.type != RegistryType::String && value.type != RegistryType::ExpandString)
        return value.data;
    std::wstring text = Wide(value.data);
    std::string bytes((text.size() + 1) * sizeof(wchar_t), '\0');
    std::memcpy(bytes.data(), text.data(), text.size() * sizeof(wchar_t));
    return bytes;
}

class Win32RegistryKey : public RegistryKey {
public:
    explicit Win32RegistryKey(HKEY key) : key_(key) {}

    std::optional<RegistryValue> Query(const std::string& name) override {
        std::wstring wideName = Wide(name);
        // Most values fit the first buffer, which saves a round trip to the server.
        std::vector<BYTE> bytes(256);
        DWORD type = REG_NONE;
        LONG result;
        do {
            DWORD size = static_cast<DWORD>(bytes.size());
            result =
                RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, bytes.data(), &size);
            bytes.resize(size);
        } while (result == ERROR_MORE_DATA);
        if (result != ERROR_SUCCESS)
            return std::nullopt;
        return Decode(type, bytes);
    }

    bool Set(const std::string& name, const RegistryValue& value) override {
        std::string bytes = Encode(value);
        return RegSetValueExW(key_.get(), Wide(name).c_str(), 0, TypeCode(value.type),
                              reinterpret_cast<const BYTE*>(bytes.data()),
                              static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
    }

    bool DeleteValue(const std::string& name) override {
        return RegDeleteValueW(key_.get(), Wide(name).c_str()) == ERROR_SUCCESS;
    }

    std::vector<std::string> SubKeyNames() override {
        std::vector<std::string> names;
        wchar_t name[256]; // a key name has at most 255 characters
        for (DWORD index = 0;; ++index) {
            DWORD length = std::size(name);
            if (RegEnumKeyExW(key_.get(), index, name, &length, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS)
                return names;
            names.push_back(Narrow({name, length}));
        }
    }

    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        std::vector<wchar_t> name(16384); // a value name has at most 16383 characters
        for (DWORD index = 0;; ++index) {
            DWORD length = static_cast<DWORD>(name.size());
            if (RegEnumValueW(key_.get(), index, name.data(), &length, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS)
                return names;
            names.push_back(Narrow({name.data(), length}));
        }
    }

private:
    RegistryKeyHandle key_;
};

} // namespace

bool Win32RegistryStore::KeyExists(RootKey root, const std::string& path) {
    RegistryKeyHandle key;
    LONG result = RegOpenKeyExW(PredefinedKey(root), Wide(path).c_str(), 0, KEY_READ, key.out());
    // A key the user may not read is there all the same.
    return result == ERROR_SUCCESS || result == ERROR_ACCESS_DENIED;
}

std::unique_ptr<RegistryKey> Win32RegistryStore::OpenKey(RootKey root, const std::string& path,
                                                         bool create) {
    HKEY parent = PredefinedKey(root);
    std::wstring widePath = Wide(path);
    HKEY key = nullptr;
    LONG result =
        create ? RegCreateKeyExW(parent, widePath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
               : RegOpenKeyExW(parent, widePath.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (result == ERROR_ACCESS_DENIED)
        result = RegOpenKeyExW(parent, widePath.c_str(), 0, KEY_READ, &key);
    if (result != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32RegistryKey>(key);
}

bool Win32RegistryStore::DeleteKey(RootKey root, const std::string& path) {
    // RegDeleteTreeW with an empty path would empty the root itself.
    if (path.empty())
        return false;
    return RegDeleteTreeW(PredefinedKey(root), Wide(path).c_str()) == ERROR_SUCCESS;
}
