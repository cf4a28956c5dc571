#include "platform/registry_store.h"

#include "platform/text_codec.h"

namespace {

std::vector<std::string> Narrowed(const std::vector<std::u16string>& names) {
    std::vector<std::string> narrowed;
    narrowed.reserve(names.size());
    for (const std::u16string& name : names)
        narrowed.push_back(Utf16ToCp1250(name));
    return narrowed;
}

} // namespace

std::optional<RegistryValue> RegistryKey::Query(const std::string& name) {
    std::optional<ExactValue> value = QueryExact(Cp1250ToUtf16(name));
    if (!value)
        return std::nullopt;
    return RegistryValue::FromExact(*value);
}

bool RegistryKey::Set(const std::string& name, const RegistryValue& value) {
    return SetExact(Cp1250ToUtf16(name), value.Exact());
}

bool RegistryKey::DeleteValue(const std::string& name) {
    return DeleteValueExact(Cp1250ToUtf16(name));
}

std::vector<std::string> RegistryKey::SubKeyNames() {
    return Narrowed(SubKeyNamesExact());
}

std::vector<std::string> RegistryKey::ValueNames() {
    return Narrowed(ValueNamesExact());
}

bool RegistryStore::KeyExists(RootKey root, const std::string& path) {
    return KeyExistsExact(root, RegistryView::Bits64, Cp1250ToUtf16(path));
}

std::unique_ptr<RegistryKey> RegistryStore::OpenKey(RootKey root, const std::string& path,
                                                    bool create) {
    return OpenKeyExact(root, RegistryView::Bits64, Cp1250ToUtf16(path), create);
}

bool RegistryStore::DeleteKey(RootKey root, const std::string& path) {
    return DeleteKeyExact(root, RegistryView::Bits64, Cp1250ToUtf16(path));
}
