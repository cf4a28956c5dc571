#include "tests/undo/refusing_store.h"

namespace {

class RefusingKey : public RegistryKey {
public:
    explicit RefusingKey(std::unique_ptr<RegistryKey> inner) : inner_(std::move(inner)) {}

    std::optional<ExactValue> QueryExact(const std::u16string& name) override {
        return inner_->QueryExact(name);
    }
    bool SetExact(const std::u16string&, const ExactValue&) override { return false; }
    bool DeleteValueExact(const std::u16string&) override { return false; }
    std::vector<std::u16string> SubKeyNamesExact() override { return inner_->SubKeyNamesExact(); }
    std::vector<std::u16string> ValueNamesExact() override { return inner_->ValueNamesExact(); }

private:
    std::unique_ptr<RegistryKey> inner_;
};

} // namespace

std::unique_ptr<RegistryKey> RefusingStore::OpenKeyExact(RootKey root, RegistryView view,
                                                         const std::u16string& path, bool create) {
    if (!refused_ || !KeyPlace::Of(root, view, path).IsAtOrBelow(*refused_))
        return inner_.OpenKeyExact(root, view, path, create);
    std::unique_ptr<RegistryKey> key = inner_.OpenKeyExact(root, view, path, false);
    return key ? std::make_unique<RefusingKey>(std::move(key)) : nullptr;
}
