#include "platform/registry.h"

#include "platform/exceptions.h"
#include "platform/string_list.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// Paths are relative to the root whether or not they start with a backslash.
std::string RelativePath(const std::string& path) {
    return !path.empty() && path.front() == '\\' ? path.substr(1) : path;
}

std::string Folded(const std::string& text) {
    std::string folded = text;
    for (char& c : folded)
        c = static_cast<char>(Cp1250Lower(static_cast<unsigned char>(c)));
    return folded;
}

bool IsAtOrBelow(const std::string& path, const std::string& ancestor) {
    std::string p = Folded(path), a = Folded(ancestor);
    return p == a || (p.size() > a.size() && p.compare(0, a.size(), a) == 0 && p[a.size()] == '\\');
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

bool TRegistry::KeyExists(const std::string& path) {
    return store_.KeyExists(root_, RelativePath(path));
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
    CloseKey();
    std::string relative = RelativePath(path);
    key_ = store_.OpenKey(root_, relative, canCreate);
    if (key_)
        currentPath_ = std::move(relative);
    return key_ != nullptr;
}

void TRegistry::CloseKey() {
    ForgetQueried();
    key_.reset();
    currentPath_.clear();
}

const std::optional<RegistryValue>& TRegistry::Query(const std::string& name) {
    if (queriedName_ != name) {
        // With no key open, no value exists.
        queried_ = key_ ? key_->Query(name) : std::nullopt;
        queriedName_ = name;
    }
    return queried_;
}

void TRegistry::ForgetQueried() {
    queriedName_.reset();
    queried_.reset();
}

bool TRegistry::ValueExists(const std::string& name) {
    return Query(name).has_value();
}

TRegDataType TRegistry::GetDataType(const std::string& name) {
    const auto& value = Query(name);
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
    const auto& value = Query(name);
    return value ? static_cast<int>(DataBytes(*value).size()) : -1;
}

int TRegistry::ReadInteger(const std::string& name) {
    const auto& value = Query(name);
    if (!value)
        Raise("Failed to get data for", name);
    if (value->type != RegistryType::DWord)
        Raise("Invalid data type for", name);
    return static_cast<int>(value->AsDWord());
}

std::string TRegistry::ReadString(const std::string& name) {
    const auto& value = Query(name);
    if (!value)
        return "";
    if (!IsText(value->type))
        Raise("Invalid data type for", name);
    return value->data;
}

int TRegistry::ReadBinaryData(const std::string& name, void* buffer, int size) {
    const auto& value = Query(name);
    if (!value)
        return 0;
    std::string bytes = DataBytes(*value);
    if (bytes.size() > static_cast<std::size_t>(std::max(size, 0)))
        Raise("Failed to get data for", name);
    if (!bytes.empty())
        std::memcpy(buffer, bytes.data(), bytes.size());
    return static_cast<int>(bytes.size());
}

void TRegistry::Write(const std::string& name, const RegistryValue& value) {
    ForgetQueried();
    if (!key_ || !key_->Set(name, value))
        Raise("Failed to set data for", name);
}

void TRegistry::WriteInteger(const std::string& name, int value) {
    Write(name, RegistryValue::DWord(static_cast<std::uint32_t>(value)));
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    Write(name, RegistryValue::String(value));
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
    Write(name, RegistryValue::ExpandString(value));
}

void TRegistry::WriteBinaryData(const std::string& name, const void* buffer, int size) {
    const char* bytes = static_cast<const char*>(buffer);
    Write(name, RegistryValue::Binary(size > 0 ? std::string(bytes, bytes + size) : ""));
}

bool TRegistry::DeleteValue(const std::string& name) {
    ForgetQueried();
    return key_ && key_->DeleteValue(name);
}

bool TRegistry::DeleteKey(const std::string& path) {
    std::string relative = RelativePath(path);
    // Deleting the whole root is never what a caller means.
    if (relative.empty())
        return false;
    ForgetQueried();
    if (key_ && IsAtOrBelow(currentPath_, relative))
        CloseKey();
    return store_.DeleteKey(root_, relative);
}

void TRegistry::GetKeyNames(TStringList& list) {
    list.Clear();
    if (!key_)
        return;
    for (const std::string& name : key_->SubKeyNames())
        list.Add(name);
}
