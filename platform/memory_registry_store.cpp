#include "platform/memory_registry_store.h"

#include "platform/registry_name_case.h"
#include "platform/registry_view.h"
#include "platform/text_codec.h"

#include <algorithm>

namespace {

const char* RootName(RootKey root) {
    return root == RootKey::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

} // namespace

struct MemoryRegistryStore::Node {
    std::u16string name;
    std::vector<std::shared_ptr<Node>> children;
    std::vector<std::pair<std::u16string, ExactValue>> values;
    bool deleted = false;

    auto FindChild(const std::u16string& childName) {
        return std::find_if(children.begin(), children.end(), [&](const auto& child) {
            return SameRegistryName(child->name, childName);
        });
    }
    std::shared_ptr<Node> Child(const std::u16string& childName) {
        auto found = FindChild(childName);
        return found == children.end() ? nullptr : *found;
    }
    auto FindValue(const std::u16string& valueName) {
        return std::find_if(values.begin(), values.end(), [&](const auto& value) {
            return SameRegistryName(value.first, valueName);
        });
    }
    void SetValue(const std::u16string& valueName, const ExactValue& value) {
        auto found = FindValue(valueName);
        if (found == values.end())
            values.emplace_back(valueName, value);
        else
            found->second = value;
    }
    // A deleted key holds nothing, and its flag keeps handles still open on it from writing.
    void MarkDeleted() {
        deleted = true;
        for (auto& child : children)
            child->MarkDeleted();
        children.clear();
        values.clear();
    }
    void Dump(const std::string& path, RegistrySnapshot& snapshot) const {
        for (const auto& [valueName, value] : values)
            snapshot.values.emplace(std::pair{path, Utf16ToCp1250(valueName)},
                                    RegistryValue::FromExact(value));
        for (const auto& child : children) {
            std::string childPath = path + '\\' + Utf16ToCp1250(child->name);
            snapshot.keys.insert(childPath);
            child->Dump(childPath, snapshot);
        }
    }
};

class MemoryRegistryKey : public RegistryKey {
public:
    MemoryRegistryKey(const MemoryRegistryStore& store, MemoryRegistryStore::Location location,
                      std::shared_ptr<MemoryRegistryStore::Node> node)
        : store_(store), location_(std::move(location)), node_(std::move(node)) {}

    std::optional<ExactValue> QueryExact(const std::u16string& name) override {
        auto found = node_->FindValue(name);
        if (found == node_->values.end())
            return std::nullopt;
        return found->second;
    }
    bool SetExact(const std::u16string& name, const ExactValue& value) override {
        if (node_->deleted || store_.IsRefused(location_))
            return false;
        node_->SetValue(name, value);
        return true;
    }
    bool DeleteValueExact(const std::u16string& name) override {
        auto found = node_->FindValue(name);
        if (found == node_->values.end() || store_.IsRefused(location_))
            return false;
        node_->values.erase(found);
        return true;
    }
    std::vector<std::u16string> SubKeyNamesExact() override {
        std::vector<std::u16string> names;
        for (const auto& child : node_->children)
            names.push_back(child->name);
        return names;
    }
    std::vector<std::u16string> ValueNamesExact() override {
        std::vector<std::u16string> names;
        for (const auto& value : node_->values)
            names.push_back(value.first);
        return names;
    }

private:
    const MemoryRegistryStore& store_;
    MemoryRegistryStore::Location location_;
    std::shared_ptr<MemoryRegistryStore::Node> node_;
};

MemoryRegistryStore::MemoryRegistryStore()
    : currentUser_(std::make_shared<Node>()), localMachine_(std::make_shared<Node>()) {}

MemoryRegistryStore::~MemoryRegistryStore() = default;

const std::shared_ptr<MemoryRegistryStore::Node>& MemoryRegistryStore::Root(RootKey root) const {
    return root == RootKey::CurrentUser ? currentUser_ : localMachine_;
}

MemoryRegistryStore::Location MemoryRegistryStore::Locate(RootKey root, RegistryView view,
                                                          const std::u16string& path) const {
    std::vector<std::u16string> parts = PartsIn64BitView(root, view, path);
    if (root != RootKey::ClassesRoot)
        return {root, std::move(parts)};
    // Wine's HKEY_CLASSES_ROOT is this key and nothing else.
    parts.insert(parts.begin(), {u"Software", u"Classes"});
    return {RootKey::LocalMachine, std::move(parts)};
}

bool MemoryRegistryStore::IsRefused(const Location& location) const {
    return std::any_of(refused_.begin(), refused_.end(), [&](const Location& refused) {
        return refused.root == location.root && refused.parts.size() <= location.parts.size() &&
               std::equal(refused.parts.begin(), refused.parts.end(), location.parts.begin(),
                          [](const auto& a, const auto& b) { return SameRegistryName(a, b); });
    });
}

std::shared_ptr<MemoryRegistryStore::Node>
MemoryRegistryStore::Find(const Location& location) const {
    std::shared_ptr<Node> node = Root(location.root);
    for (const std::u16string& part : location.parts) {
        node = node->Child(part);
        if (!node)
            return nullptr;
    }
    return node;
}

std::shared_ptr<MemoryRegistryStore::Node> MemoryRegistryStore::Create(const Location& location) {
    std::shared_ptr<Node> node = Root(location.root);
    for (const std::u16string& part : location.parts) {
        std::shared_ptr<Node> child = node->Child(part);
        if (!child) {
            child = std::make_shared<Node>();
            child->name = part;
            node->children.push_back(child);
        }
        node = std::move(child);
    }
    return node;
}

bool MemoryRegistryStore::KeyExistsExact(RootKey root, RegistryView view,
                                         const std::u16string& path) {
    return Find(Locate(root, view, path)) != nullptr;
}

std::unique_ptr<RegistryKey> MemoryRegistryStore::OpenKeyExact(RootKey root, RegistryView view,
                                                               const std::u16string& path,
                                                               bool create) {
    Location location = Locate(root, view, path);
    std::shared_ptr<Node> node = Find(location);
    // A refused path below an existing key may still hold missing parents; checking the full
    // path first means a refused create leaves nothing behind.
    if (!node && create && !IsRefused(location))
        node = Create(location);
    if (!node)
        return nullptr;
    return std::make_unique<MemoryRegistryKey>(*this, std::move(location), std::move(node));
}

bool MemoryRegistryStore::DeleteKeyExact(RootKey root, RegistryView view,
                                         const std::u16string& path) {
    Location location = Locate(root, view, path);
    if (location.parts.empty())
        return false;
    Location parentLocation = location;
    parentLocation.parts.pop_back();
    std::shared_ptr<Node> parent = Find(parentLocation);
    if (!parent)
        return false;
    auto found = parent->FindChild(location.parts.back());
    if (found == parent->children.end())
        return false;
    (*found)->MarkDeleted();
    parent->children.erase(found);
    return true;
}

void MemoryRegistryStore::RefuseWritesUnder(RootKey root, const std::string& path) {
    refused_.push_back(Locate(root, RegistryView::Bits64, Cp1250ToUtf16(path)));
}

void MemoryRegistryStore::Put(RootKey root, const std::string& path, const std::string& name,
                              const RegistryValue& value) {
    Create(Locate(root, RegistryView::Bits64, Cp1250ToUtf16(path)))
        ->SetValue(Cp1250ToUtf16(name), value.Exact());
}

std::optional<RegistryValue> MemoryRegistryStore::Get(RootKey root, const std::string& path,
                                                      const std::string& name) {
    std::unique_ptr<RegistryKey> key = OpenKey(root, path, false);
    return key ? key->Query(name) : std::nullopt;
}

RegistrySnapshot MemoryRegistryStore::Snapshot() const {
    RegistrySnapshot snapshot;
    for (RootKey root : {RootKey::CurrentUser, RootKey::LocalMachine})
        Root(root)->Dump(RootName(root), snapshot);
    return snapshot;
}
