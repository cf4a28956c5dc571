#pragma once
// The registry as a store of keys and typed values: the narrow interface that TRegistry
// works over. A store speaks the registry's own terms: names in UTF-16 and values as a type
// code and raw bytes. Beside them sit the Windows-1250 accessors the program uses for
// everything else, derived from those in one place. Key and value names ignore letter case;
// the value name "" is a key's default value.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class RootKey { CurrentUser, ClassesRoot, LocalMachine };

// The two views a 64-bit program has of the registry: its own, and the one 32-bit programs
// see (KEY_WOW64_32KEY), which keeps parts of it apart (see registry_view.h).
enum class RegistryView { Bits64, Bits32 };

// Type codes as the registry numbers them. A value may carry any other code too.
namespace RegistryTypeCode {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kString = 1;
inline constexpr std::uint32_t kExpandString = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDWord = 4;
inline constexpr std::uint32_t kMultiString = 7;
inline constexpr std::uint32_t kQWord = 11;
} // namespace RegistryTypeCode

// A value exactly as the registry holds it. A string's bytes are its UTF-16 units, low byte
// first, with whatever terminator the writer gave it.
struct ExactValue {
    std::uint32_t type = RegistryTypeCode::kNone;
    std::string bytes;

    // A string of the given type, with its terminating NUL.
    static ExactValue Text(std::uint32_t type, std::u16string_view text);
    // The bytes as UTF-16 units without one terminating NUL; a last odd byte is dropped.
    std::u16string AsText() const;
    friend bool operator==(const ExactValue&, const ExactValue&) = default;
};

enum class RegistryType { String, ExpandString, DWord, Binary, Other };

// A value as the program sees it.
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
    // REG_SZ and REG_EXPAND_SZ become text, REG_DWORD and REG_BINARY keep their bytes, and
    // every other type is Other with its bytes.
    static RegistryValue FromExact(const ExactValue& value);
    // Other is stored as REG_NONE.
    ExactValue Exact() const;
    std::uint32_t AsDWord() const; // the first four bytes, low byte first
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// An open key. It stays valid while the store lives, even when the key is deleted.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    virtual std::optional<ExactValue> QueryExact(const std::u16string& name) = 0;
    // False when the registry refuses the write. The bytes are stored as they stand.
    virtual bool SetExact(const std::u16string& name, const ExactValue& value) = 0;
    // False when there was no such value or it could not be deleted.
    virtual bool DeleteValueExact(const std::u16string& name) = 0;
    // Names as they were created. Their order is the store's own: the real registry keeps
    // its own order, so callers must not rely on one.
    virtual std::vector<std::u16string> SubKeyNamesExact() = 0;
    virtual std::vector<std::u16string> ValueNamesExact() = 0;

    // The same in Windows-1250; a name the code page cannot hold is listed with "?".
    std::optional<RegistryValue> Query(const std::string& name);
    bool Set(const std::string& name, const RegistryValue& value);
    bool DeleteValue(const std::string& name);
    std::vector<std::string> SubKeyNames();
    std::vector<std::string> ValueNames();
};

class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    virtual bool KeyExistsExact(RootKey root, RegistryView view, const std::u16string& path) = 0;
    // Opens a key, creating it and any missing parents when `create` is set; null when it
    // can be neither opened nor created.
    virtual std::unique_ptr<RegistryKey> OpenKeyExact(RootKey root, RegistryView view,
                                                      const std::u16string& path, bool create) = 0;
    // Deletes a key with everything below it; false when it did not exist or could not go.
    virtual bool DeleteKeyExact(RootKey root, RegistryView view, const std::u16string& path) = 0;

    // The same with a Windows-1250 path, in the 64-bit view.
    bool KeyExists(RootKey root, const std::string& path);
    std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::string& path, bool create);
    bool DeleteKey(RootKey root, const std::string& path);
};
