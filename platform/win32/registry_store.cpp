#include "platform/win32/registry_store.h"

#include "platform/win32/registry_key_handle.h"
#include "platform/win32/registry_roots.h"

#include <iterator>
#include <vector>

namespace {

// wchar_t is a UTF-16 unit on Windows, so the two string kinds hold the same units.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring AsWide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string AsUtf16(const wchar_t* text, DWORD length) {
    return std::u16string(text, text + length);
}

REGSAM ViewAccess(RegistryView view) {
    return view == RegistryView::Bits32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

bool IsString(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

class Win32RegistryKey : public RegistryKey {
public:
    explicit Win32RegistryKey(HKEY key) : key_(key) {}

    std::optional<ExactValue> QueryExact(const std::u16string& name) override {
        std::wstring wideName = AsWide(name);
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
        return ExactValue{type, std::string(bytes.begin(), bytes.end())};
    }

    bool SetExact(const std::u16string& name, const ExactValue& value) override {
        // For a string whose last unit is not NUL, RegSetValueExW stores the unit after the
        // data too when that one is NUL; a unit that is not NUL after the buffer keeps the
        // bytes as they are.
        std::string buffer = value.bytes;
        if (IsString(value.type))
            buffer.append(2, '\xFF');
        return RegSetValueExW(key_.get(), AsWide(name).c_str(), 0, value.type,
                              reinterpret_cast<const BYTE*>(buffer.data()),
                              static_cast<DWORD>(value.bytes.size())) == ERROR_SUCCESS;
    }

    bool DeleteValueExact(const std::u16string& name) override {
        return RegDeleteValueW(key_.get(), AsWide(name).c_str()) == ERROR_SUCCESS;
    }

    std::vector<std::u16string> SubKeyNamesExact() override {
        std::vector<std::u16string> names;
        wchar_t name[256]; // a key name has at most 255 characters
        for (DWORD index = 0;; ++index) {
            DWORD length = std::size(name);
            if (RegEnumKeyExW(key_.get(), index, name, &length, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS)
                return names;
            names.push_back(AsUtf16(name, length));
        }
    }

    std::vector<std::u16string> ValueNamesExact() override {
        std::vector<std::u16string> names;
        std::vector<wchar_t> name(16384); // a value name has at most 16383 characters
        for (DWORD index = 0;; ++index) {
            DWORD length = static_cast<DWORD>(name.size());
            if (RegEnumValueW(key_.get(), index, name.data(), &length, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS)
                return names;
            names.push_back(AsUtf16(name.data(), length));
        }
    }

private:
    RegistryKeyHandle key_;
};

} // namespace

bool Win32RegistryStore::KeyExistsExact(RootKey root, RegistryView view,
                                        const std::u16string& path) {
    RegistryKeyHandle key;
    LONG result = RegOpenKeyExW(PredefinedKey(root), AsWide(path).c_str(), 0,
                                KEY_READ | ViewAccess(view), key.out());
    // A key the user may not read is there all the same.
    return result == ERROR_SUCCESS || result == ERROR_ACCESS_DENIED;
}

std::unique_ptr<RegistryKey> Win32RegistryStore::OpenKeyExact(RootKey root, RegistryView view,
                                                              const std::u16string& path,
                                                              bool create) {
    HKEY parent = PredefinedKey(root);
    std::wstring widePath = AsWide(path);
    REGSAM access = KEY_READ | KEY_WRITE | ViewAccess(view);
    HKEY key = nullptr;
    LONG result = create ? RegCreateKeyExW(parent, widePath.c_str(), 0, nullptr,
                                           REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr)
                         : RegOpenKeyExW(parent, widePath.c_str(), 0, access, &key);
    if (result == ERROR_ACCESS_DENIED)
        result = RegOpenKeyExW(parent, widePath.c_str(), 0, KEY_READ | ViewAccess(view), &key);
    if (result != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32RegistryKey>(key);
}

bool Win32RegistryStore::DeleteKeyExact(RootKey root, RegistryView view,
                                        const std::u16string& path) {
    // RegDeleteTreeW with an empty path would empty the root itself.
    if (path.empty())
        return false;
    // RegDeleteTreeW names no view, but the sub-keys of a key opened in the view lie in that
    // view, so it empties them from there; RegDeleteKeyExW then takes the key itself.
    std::wstring widePath = AsWide(path);
    RegistryKeyHandle key;
    if (RegOpenKeyExW(PredefinedKey(root), widePath.c_str(), 0, KEY_READ | ViewAccess(view),
                      key.out()) != ERROR_SUCCESS)
        return false;
    wchar_t child[256];
    for (DWORD length = std::size(child); RegEnumKeyExW(key.get(), 0, child, &length, nullptr,
                                                        nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         length = std::size(child))
        if (RegDeleteTreeW(key.get(), child) != ERROR_SUCCESS)
            return false;
    return RegDeleteKeyExW(PredefinedKey(root), widePath.c_str(), ViewAccess(view), 0) ==
           ERROR_SUCCESS;
}
