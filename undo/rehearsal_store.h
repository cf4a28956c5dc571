#pragma once
// The store an operation's registry writes rehearse on before they run for real. It answers
// reads from the registry with the rehearsal's own changes laid over them, so that a later
// step that reads what an earlier one wrote decides as it will for real; it keeps every
// change to itself, and records every key opened with creation, every value set or deleted
// and every key deleted. Every write succeeds, since none reaches the registry.
//
// Places are where keys really live (a key of the 32-bit view under its 64-bit path). Each
// root is its own: a change made through HKEY_CLASSES_ROOT is not seen through
// HKEY_LOCAL_MACHINE\Software\Classes, which no operation reads back.
#include "undo/key_place.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class RealKeys;

struct RehearsalRecord {
    std::vector<KeyPlace> createdKeys;
    std::vector<std::pair<KeyPlace, std::u16string>> changedValues;
    std::vector<KeyPlace> deletedKeys;
};

class RehearsalStore : public RegistryStore {
public:
    explicit RehearsalStore(RealKeys& registry);
    ~RehearsalStore() override;
    RehearsalStore(const RehearsalStore&) = delete;
    RehearsalStore& operator=(const RehearsalStore&) = delete;

    bool KeyExistsExact(RootKey root, RegistryView view, const std::u16string& path) override;
    std::unique_ptr<RegistryKey> OpenKeyExact(RootKey root, RegistryView view,
                                              const std::u16string& path, bool create) override;
    bool DeleteKeyExact(RootKey root, RegistryView view, const std::u16string& path) override;

    const RehearsalRecord& Record() const { return record_; }

private:
    friend class RehearsalKey;
    struct Node;

    bool Exists(const KeyPlace& place);
    std::shared_ptr<Node> NodeAt(const KeyPlace& place);
    void MarkCreated(const KeyPlace& place);

    RealKeys& registry_;
    std::shared_ptr<Node> roots_[3];
    RehearsalRecord record_;
};
