#include "undo/prior_state.h"

#include "platform/registry_name_case.h"
#include "undo/real_keys.h"
#include "undo/rehearsal_store.h"

#include <algorithm>
#include <map>

namespace {

bool IsCovered(const KeyPlace& place, const std::vector<KeyPlace>& tops) {
    return std::any_of(tops.begin(), tops.end(),
                       [&](const KeyPlace& top) { return place.IsAtOrBelow(top); });
}

// Adds a place to a list of topmost places: unless one of them holds it, it replaces those it
// holds.
void AddTopmost(std::vector<KeyPlace>& tops, const KeyPlace& place) {
    if (IsCovered(place, tops))
        return;
    std::erase_if(tops, [&](const KeyPlace& top) { return top.IsAtOrBelow(place); });
    tops.push_back(place);
}

// The place with its last name spelled as the registry has it, so that a key restored whole
// comes back under its own name.
KeyPlace AsSpelled(const KeyPlace& place, RealKeys& registry) {
    KeyPlace spelled = place;
    if (RegistryKey* parent = registry.Find(place.Parent()))
        for (const std::u16string& name : parent->SubKeyNamesExact())
            if (SameRegistryName(name, place.parts.back()))
                spelled.parts.back() = name;
    return spelled;
}

void AppendTree(const KeyPlace& place, RealKeys& registry, std::vector<RegKeyBlock>& blocks) {
    RegistryKey* key = registry.Find(place);
    if (!key)
        return;
    RegKeyBlock block{place.FullName(), false, {}};
    for (const std::u16string& name : key->ValueNamesExact())
        if (std::optional<ExactValue> value = key->QueryExact(name))
            block.values.push_back({name, std::move(value)});
    blocks.push_back(std::move(block));
    for (const std::u16string& child : key->SubKeyNamesExact())
        AppendTree(place.Child(child), registry, blocks);
}

std::vector<KeyPlace> DeletedTrees(const RehearsalRecord& record, RealKeys& registry) {
    std::vector<KeyPlace> trees;
    for (const KeyPlace& place : record.deletedKeys)
        if (registry.Exists(place))
            AddTopmost(trees, place);
    return trees;
}

void AppendValues(const RehearsalRecord& record, const std::vector<KeyPlace>& trees,
                  RealKeys& registry, std::vector<RegKeyBlock>& blocks) {
    std::map<std::u16string, std::size_t> blockOfKey;
    for (const auto& [place, name] : record.changedValues) {
        if (IsCovered(place, trees))
            continue;
        // A key that is not there now goes as a whole, with its values.
        RegistryKey* key = registry.Find(place);
        if (!key)
            continue;
        auto [at, added] = blockOfKey.try_emplace(place.Identity(), blocks.size());
        if (added)
            blocks.push_back({place.FullName(), false, {}});
        std::vector<RegValueLine>& lines = blocks[at->second].values;
        bool noted = std::any_of(lines.begin(), lines.end(), [&](const RegValueLine& line) {
            return SameRegistryName(line.name, name);
        });
        if (!noted)
            lines.push_back({name, key->QueryExact(name)});
    }
}

std::vector<KeyPlace> NewKeys(const RehearsalRecord& record, const std::vector<KeyPlace>& trees,
                              RealKeys& registry) {
    std::vector<KeyPlace> added;
    for (const KeyPlace& place : record.createdKeys) {
        if (IsCovered(place, trees) || registry.Exists(place))
            continue;
        KeyPlace top = place;
        while (top.parts.size() > 1 && !registry.Exists(top.Parent()))
            top = top.Parent();
        AddTopmost(added, top);
    }
    return added;
}

} // namespace

std::vector<RegKeyBlock> PriorState(const RehearsalRecord& record, RealKeys& registry) {
    std::vector<RegKeyBlock> blocks;
    std::vector<KeyPlace> trees = DeletedTrees(record, registry);
    for (const KeyPlace& tree : trees) {
        KeyPlace spelled = AsSpelled(tree, registry);
        blocks.push_back({spelled.FullName(), true, {}});
        AppendTree(spelled, registry, blocks);
    }
    AppendValues(record, trees, registry, blocks);
    for (const KeyPlace& key : NewKeys(record, trees, registry))
        blocks.push_back({key.FullName(), true, {}});
    return blocks;
}
