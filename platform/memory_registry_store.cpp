#include "platform/memory_registry_store.h"

#include "platform/text_codec.h"

#include <algorithm>

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Cp1250Lower(static_cast<unsigned char>(x)) ==
                      Cp1250Lower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

const char* RootName(RootKey root) {
    return root == RootKey::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

} // namespace

struct MemoryRegistryStore::Node {
    std::string name;
    std::vector<std::shared_ptr<Node>> children;
    std::vector<std::pair<std::string, RegistryValue>> values;
    bool deleted = false;

    std::shared_ptr<Node> Child(const std::string& childName) const {
        auto found = std::find_if(children.begin(), children.end(), [&](const auto& child) {
            return SameName(child->name, childName);
        });
        return found == children.end() ? nullptr : *found;
    }
    auto FindValue(const std::string& valueName) {
        return std::find_if(values.begin(), values.end(),
                            [&](const auto& value) { return SameName(value.first, valueName); });
    }
    void SetValue(const std::string& valueName, const RegistryValue& value) {
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
            snapshot.values.emplace(std::pair{path, valueName}, value);
        for (const auto& child : children) {
            std::string childPath = path + '\\' + child->name;
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

    std::optional<RegistryValue> Query(const std::string& name) override {
        auto found = node_->FindValue(name);
        if (found == node_->values.end())
            return std::nullopt;
        return found->second;
    }
    bool Set(const std::string& name, const RegistryValue& value) override {
        if (node_->deleted || store_.IsRefused(location_))
            return false;
        node_->SetValue(name, value);
        return true;
    }
    bool DeleteValue(const std::string& name) override {
        auto found = node_->FindValue(name);
        if (found == node_->values.end() || store_.IsRefused(location_))
            return false;
        node_->values.erase(found);
        return true;
    }
    std::vector<std::string> SubKeyNames() override {
        std::vector<std::string> names;
        for (const auto& child : node_->children)
            names.push_back(child->name);
        return names;
    }
    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
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

MemoryRegistryStore::Location MemoryRegistryStore::Locate(RootKey root,
                                                          const std::string& path) const {
    std::vector<std::string> parts = SplitPath(path);
    if (root != RootKey::ClassesRoot)
        return {root, std::move(parts)};
    // Wine's HKEY_CLASSES_ROOT is this key and nothing else.
    parts.insert(parts.begin(), {"Software", "Classes"});
    return {RootKey::LocalMachine, std::move(parts)};
}

bool MemoryRegistryStore::IsRefused(const Location& location) const {
    return std::any_of(refused_.begin(), refused_.end(), [&](const Location& refused) {
        return refused.root == location.root && refused.parts.size() <= location.parts.size() &&
               std::equal(refused.parts.begin(), refused.parts.end(), location.parts.begin(),
                          SameName);
    });
}

std::shared_ptr<MemoryRegistryStore::Node>
MemoryRegistryStore::Find(const Location& location) const {
    std::shared_ptr<Node> node = Root(location.root);
    for (const std::string& part : location.parts) {
        node = node->Child(part);
        if (!node)
            return nullptr;
    }
    return node;
}

std::shared_ptr<MemoryRegistryStore::Node> MemoryRegistryStore::Create(const Location& location) {
    std::shared_ptr<Node> node = Root(location.root);
    for (const std::string& part : location.parts) {
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

bool MemoryRegistryStore::KeyExists(RootKey root, const std::string& path) {
    return Find(Locate(root, path)) != nullptr;
}

std::unique_ptr<RegistryKey> MemoryRegistryStore::OpenKey(RootKey root, const std::string& path,
                                                          bool create) {
    Location location = Locate(root, path);
    std::shared_ptr<Node> node = Find(location);
    // A refused path below an existing key may still hold missing parents; checking the full
    // path first means a refused create leaves nothing behind.
    if (!node && create && !IsRefused(location))
        node = Create(location);
    if (!node)
        return nullptr;
    return std::make_unique<MemoryRegistryKey>(*this, std::move(location), std::move(node));
}

bool MemoryRegistryStore::DeleteKey(RootKey root, const std::string& path) {
    Location location = Locate(root, path);
    if (location.parts.empty())
        return false;
    Location parentLocation = location;
    parentLocation.parts.pop_back();
    std::shared_ptr<Node> parent = Find(parentLocation);
    if (!parent)
        return false;
    auto found =
        std::find_if(parent->children.begin(), parent->children.end(), [&](const auto& child) {
            return SameName(child->name, location.parts.back());
        });
    if (found == parent->children.end())
        return false;
    (*found)->MarkDeleted();
    parent->children.erase(found);
    return true;
}

void MemoryRegistryStore::RefuseWritesUnder(RootKey root, const std::string& path) {
    refused_.push_back(Locate(root, path));
}

void MemoryRegistryStore::Put(RootKey root, const std::string& path, const std::string& name,
                              const RegistryValue& value) {
    Create(Locate(root, path))->SetValue(name, value);
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
