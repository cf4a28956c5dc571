#include "undo/rehearsal_store.h"

#include "platform/registry_name_case.h"
#include "undo/real_keys.h"

#include <algorithm>
#include <optional>

namespace {

// What the rehearsal has done to a key. A created or deleted key hides the registry: nothing
// of the registry's shows in it or below it.
enum class Presence { AsInRegistry, Created, Deleted };

template <class List> auto FindNamed(List& list, const std::u16string& name) {
    return std::find_if(list.begin(), list.end(),
                        [&](const auto& entry) { return SameRegistryName(entry.first, name); });
}

bool Contains(const std::vector<std::u16string>& names, const std::u16string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::u16string& n) { return SameRegistryName(n, name); });
}

} // namespace

struct RehearsalStore::Node {
    Presence presence = Presence::AsInRegistry;
    // Taken out by a deletion: a handle still open on it neither reads nor writes, as a
    // handle on a deleted key of the registry does not.
    bool gone = false;
    std::vector<std::pair<std::u16string, std::shared_ptr<Node>>> children;
    // The values the rehearsal set, and none for those it deleted.
    std::vector<std::pair<std::u16string, std::optional<ExactValue>>> values;

    bool HidesRegistry() const { return presence != Presence::AsInRegistry; }
    Node* Child(const std::u16string& name) {
        auto found = FindNamed(children, name);
        return found == children.end() ? nullptr : found->second.get();
    }
    std::shared_ptr<Node> EnsureChild(const std::u16string& name) {
        auto found = FindNamed(children, name);
        if (found != children.end())
            return found->second;
        return children.emplace_back(name, std::make_shared<Node>()).second;
    }
    void MarkGone() {
        gone = true;
        for (auto& child : children)
            child.second->MarkGone();
    }
};

class RehearsalKey : public RegistryKey {
public:
    RehearsalKey(RehearsalStore& store, std::shared_ptr<RehearsalStore::Node> node, KeyPlace place)
        : store_(store), node_(std::move(node)), place_(std::move(place)) {}

    std::optional<ExactValue> QueryExact(const std::u16string& name) override {
        if (node_->gone)
            return std::nullopt;
        auto found = FindNamed(node_->values, name);
        if (found != node_->values.end())
            return found->second;
        if (node_->HidesRegistry())
            return std::nullopt;
        RegistryKey* key = store_.registry_.Find(place_);
        return key ? key->QueryExact(name) : std::nullopt;
    }
    bool SetExact(const std::u16string& name, const ExactValue& value) override {
        return Change(name, value);
    }
    bool DeleteValueExact(const std::u16string& name) override {
        bool existed = QueryExact(name).has_value();
        return Change(name, std::nullopt) && existed;
    }
    std::vector<std::u16string> SubKeyNamesExact() override {
        std::vector<std::u16string> names;
        if (node_->gone)
            return names;
        for (const std::u16string& name : RegistryNames(&RegistryKey::SubKeyNamesExact)) {
            RehearsalStore::Node* child = node_->Child(name);
            if (!child || child->presence != Presence::Deleted)
                names.push_back(name);
        }
        for (const auto& [name, child] : node_->children)
            if (child->presence == Presence::Created && !Contains(names, name))
                names.push_back(name);
        return names;
    }
    std::vector<std::u16string> ValueNamesExact() override {
        std::vector<std::u16string> names;
        if (node_->gone)
            return names;
        for (const std::u16string& name : RegistryNames(&RegistryKey::ValueNamesExact)) {
            auto found = FindNamed(node_->values, name);
            if (found == node_->values.end() || found->second)
                names.push_back(name);
        }
        for (const auto& [name, value] : node_->values)
            if (value && !Contains(names, name))
                names.push_back(name);
        return names;
    }

private:
    bool Change(const std::u16string& name, std::optional<ExactValue> value) {
        if (node_->gone)
            return false;
        store_.record_.changedValues.emplace_back(place_, name);
        auto found = FindNamed(node_->values, name);
        if (found == node_->values.end())
            node_->values.emplace_back(name, std::move(value));
        else
            found->second = std::move(value);
        return true;
    }
    std::vector<std::u16string> RegistryNames(std::vector<std::u16string> (RegistryKey::*list)()) {
        if (node_->HidesRegistry())
            return {};
        RegistryKey* key = store_.registry_.Find(place_);
        return key ? (key->*list)() : std::vector<std::u16string>();
    }

    RehearsalStore& store_;
    std::shared_ptr<RehearsalStore::Node> node_;
    KeyPlace place_;
};

RehearsalStore::RehearsalStore(RealKeys& registry)
    : registry_(registry), roots_{std::make_shared<Node>(), std::make_shared<Node>(),
                                  std::make_shared<Node>()} {}

RehearsalStore::~RehearsalStore() = default;

bool RehearsalStore::Exists(const KeyPlace& place) {
    Node* node = roots_[static_cast<int>(place.root)].get();
    for (const std::u16string& part : place.parts) {
        Node* child = node->Child(part);
        if (!child)
            return !node->HidesRegistry() && registry_.Exists(place);
        if (child->presence == Presence::Deleted ||
            (child->presence == Presence::AsInRegistry && node->HidesRegistry()))
            return false;
        node = child;
    }
    return node->presence == Presence::Created || registry_.Exists(place);
}

std::shared_ptr<RehearsalStore::Node> RehearsalStore::NodeAt(const KeyPlace& place) {
    std::shared_ptr<Node> node = roots_[static_cast<int>(place.root)];
    for (const std::u16string& part : place.parts)
        node = node->EnsureChild(part);
    return node;
}

// The first key on the path that is not there, and every key below it, are new and empty.
void RehearsalStore::MarkCreated(const KeyPlace& place) {
    KeyPlace existing = place.Parent();
    while (!existing.parts.empty() && !Exists(existing))
        existing = existing.Parent();
    std::shared_ptr<Node> node = NodeAt(existing);
    for (std::size_t i = existing.parts.size(); i < place.parts.size(); ++i) {
        node = node->EnsureChild(place.parts[i]);
        node->presence = Presence::Created;
    }
}

bool RehearsalStore::KeyExistsExact(RootKey root, RegistryView view, const std::u16string& path) {
    return Exists(KeyPlace::Of(root, view, path));
}

std::unique_ptr<RegistryKey> RehearsalStore::OpenKeyExact(RootKey root, RegistryView view,
                                                          const std::u16string& path, bool create) {
    KeyPlace place = KeyPlace::Of(root, view, path);
    if (create)
        record_.createdKeys.push_back(place);
    if (!Exists(place)) {
        if (!create)
            return nullptr;
        MarkCreated(place);
    }
    return std::make_unique<RehearsalKey>(*this, NodeAt(place), std::move(place));
}

bool RehearsalStore::DeleteKeyExact(RootKey root, RegistryView view, const std::u16string& path) {
    KeyPlace place = KeyPlace::Of(root, view, path);
    if (place.parts.empty())
        return false;
    bool existed = Exists(place);
    record_.deletedKeys.push_back(place);
    std::shared_ptr<Node> parent = NodeAt(place.Parent());
    std::shared_ptr<Node>& slot = [&]() -> std::shared_ptr<Node>& {
        auto found = FindNamed(parent->children, place.parts.back());
        if (found != parent->children.end())
            return found->second;
        return parent->children.emplace_back(place.parts.back(), nullptr).second;
    }();
    if (slot)
        slot->MarkGone();
    slot = std::make_shared<Node>();
    slot->presence = Presence::Deleted;
    return existed;
}
