#pragma once
// A store that passes everything on to another one and, once told, refuses the program's
// writes at and below one key, as the registry refuses a key whose ACL denies writing. The
// store behind it stays writable, so that a test can import a journal into it afterwards.
#include "platform/registry_store.h"
#include "undo/key_place.h"

#include <optional>

class RefusingStore : public RegistryStore {
public:
    explicit RefusingStore(RegistryStore& inner) : inner_(inner) {}
    void RefuseWritesUnder(RootKey root, const std::u16string& path) {
        refused_ = KeyPlace::Of(root, RegistryView::Bits64, path);
    }

    bool KeyExistsExact(RootKey root, RegistryView view, const std::u16string& path) override {
        return inner_.KeyExistsExact(root, view, path);
    }
    std::unique_ptr<RegistryKey> OpenKeyExact(RootKey root, RegistryView view,
                                              const std::u16string& path, bool create) override;
    bool DeleteKeyExact(RootKey root, RegistryView view, const std::u16string& path) override {
        return inner_.DeleteKeyExact(root, view, path);
    }

private:
    RegistryStore& inner_;
    std::optional<KeyPlace> refused_;
};
