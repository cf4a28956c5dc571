#include "platform/registry.h"

#include "platform/exceptions.h"
#include "platform/registry_name_case.h"
#include "platform/string_list.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// Paths are relative to the root whether or not they start with a backslash.
std::u16string RelativePath(const std::u16string& path) {
    return !path.empty() && path.front() == u'\\' ? path.substr(1) : path;
}

bool IsAtOrBelow(const std::u16string& path, const std::u16string& ancestor) {
    return SameRegistryName(path, ancestor) ||
           (path.size() > ancestor.size() && path[ancestor.size()] == u'\\' &&
            SameRegistryName(std::u16string_view(path).substr(0, ancestor.size()), ancestor));
}

bool IsText(RegistryType type) {
    return type == RegistryType::String || type == RegistryType::ExpandString;
}

// The bytes a value has as the program sees them: a string with its terminating NUL.
std::string DataBytes(const RegistryValue& value) {
    return IsText(value.type) ? value.data + '\0' : value.data;
}

[[noreturn]] void Raise(const char* what, const std::string& name) {
    throw ERegistryException(std::string(what) + " '" + name + "'");
}

} // namespace

TRegistry::TRegistry(RegistryStore& store) : store_(store) {}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(::RootKey root) {
    CloseKey();
    root_ = root;
}

void TRegistry::SetView(RegistryView view) {
    CloseKey();
    view_ = view;
}

bool TRegistry::KeyExists(const std::string& path) {
    return KeyExists(Cp1250ToUtf16(path));
}

bool TRegistry::KeyExists(const std::u16string& path) {
    return store_.KeyExistsExact(root_, view_, RelativePath(path));
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
    return OpenKey(Cp1250ToUtf16(path), canCreate);
}

bool TRegistry::OpenKey(const std::u16string& path, bool canCreate) {
    CloseKey();
    std::u16string relative = RelativePath(path);
    key_ = store_.OpenKeyExact(root_, view_, relative, canCreate);
    if (key_)
        currentPath_ = std::move(relative);
    return key_ != nullptr;
}

void TRegistry::CloseKey() {
    ForgetQueried();
    key_.reset();
    currentPath_.clear();
}

std::string TRegistry::CurrentPath() const {
    return Utf16ToCp1250(currentPath_);
}

const std::optional<ExactValue>& TRegistry::Query(const std::u16string& name) {
    if (queriedName_ != name) {
        // With no key open, no value exists.
        queried_ = key_ ? key_->QueryExact(name) : std::nullopt;
        queriedName_ = name;
    }
    return queried_;
}

std::optional<RegistryValue> TRegistry::Query(const std::string& name) {
    const auto& value = Query(Cp1250ToUtf16(name));
    if (!value)
        return std::nullopt;
    return RegistryValue::FromExact(*value);
}

void TRegistry::ForgetQueried() {
    queriedName_.reset();
    queried_.reset();
}

bool TRegistry::ValueExists(const std::string& name) {
    return Query(Cp1250ToUtf16(name)).has_value();
}

TRegDataType TRegistry::GetDataType(const std::string& name) {
    const auto value = Query(name);
    if (!value)
        return TRegDataType::rdUnknown;
    switch (value->type) {
    case RegistryType::String:
        return TRegDataType::rdString;
    case RegistryType::ExpandString:
        return TRegDataType::rdExpandString;
    case RegistryType::DWord:
        return TRegDataType::rdInteger;
    case RegistryType::Binary:
        return TRegDataType::rdBinary;
    case RegistryType::Other:
        break;
    }
    return TRegDataType::rdUnknown;
}

int TRegistry::GetDataSize(const std::string& name) {
    const auto value = Query(name);
    return value ? static_cast<int>(DataBytes(*value).size()) : -1;
}

int TRegistry::ReadInteger(const std::string& name) {
    const auto value = Query(name);
    if (!value)
        Raise("Failed to get data for", name);
    if (value->type != RegistryType::DWord)
        Raise("Invalid data type for", name);
    return static_cast<int>(value->AsDWord());
}

std::string TRegistry::ReadString(const std::string& name) {
    const auto value = Query(name);
    if (!value)
        return "";
    if (!IsText(value->type))
        Raise("Invalid data type for", name);
    return value->data;
}

int TRegistry::ReadBinaryData(const std::string& name, void* buffer, int size) {
    const auto value = Query(name);
    if (!value)
        return 0;
    std::string bytes = DataBytes(*value);
    if (bytes.size() > static_cast<std::size_t>(std::max(size, 0)))
        Raise("Failed to get data for", name);
    if (!bytes.empty())
        std::memcpy(buffer, bytes.data(), bytes.size());
    return static_cast<int>(bytes.size());
}

std::optional<ExactValue> TRegistry::ReadExact(const std::u16string& name) {
    return Query(name);
}

void TRegistry::WriteExact(const std::u16string& name, const ExactValue& value) {
    ForgetQueried();
    if (!key_ || !key_->SetExact(name, value))
        Raise("Failed to set data for", Utf16ToCp1250(name));
}

void TRegistry::WriteInteger(const std::string& name, int value) {
    WriteExact(Cp1250ToUtf16(name),
               RegistryValue::DWord(static_cast<std::uint32_t>(value)).Exact());
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    WriteExact(Cp1250ToUtf16(name), RegistryValue::String(value).Exact());
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
    WriteExact(Cp1250ToUtf16(name), RegistryValue::ExpandString(value).Exact());
}

void TRegistry::WriteBinaryData(const std::string& name, const void* buffer, int size) {
    const char* bytes = static_cast<const char*>(buffer);
    WriteExact(Cp1250ToUtf16(name),
               RegistryValue::Binary(size > 0 ? std::string(bytes, bytes + size) : "").Exact());
}

bool TRegistry::DeleteValue(const std::string& name) {
    ForgetQueried();
    return key_ && key_->DeleteValue(name);
}

bool TRegistry::DeleteKey(const std::string& path) {
    return DeleteKey(Cp1250ToUtf16(path));
}

bool TRegistry::DeleteKey(const std::u16string& path) {
    std::u16string relative = RelativePath(path);
    // Deleting the whole root is never what a caller means.
    if (relative.empty())
        return false;
    ForgetQueried();
    if (key_ && IsAtOrBelow(currentPath_, relative))
        CloseKey();
    return store_.DeleteKeyExact(root_, view_, relative);
}

void TRegistry::GetKeyNames(TStringList& list) {
    list.Clear();
    if (!key_)
        return;
    for (const std::string& name : key_->SubKeyNames())
        list.Add(name);
}

void TRegistry::GetKeyNames(std::vector<std::u16string>& names) {
    names = key_ ? key_->SubKeyNamesExact() : std::vector<std::u16string>{};
}

void TRegistry::GetValueNames(std::vector<std::u16string>& names) {
    names = key_ ? key_->ValueNamesExact() : std::vector<std::u16string>{};
}
