#include "platform/memory_registry_store.h"
#include "tests/support/registry_contract.h"

namespace {

class MemoryTarget : public RegistryContractTarget {
public:
    RegistryStore& Store() override { return store_; }
    void RefuseWritesUnder(RootKey root, const std::string& path) override {
        store_.RefuseWritesUnder(root, path);
    }

private:
    MemoryRegistryStore store_;
};

std::unique_ptr<RegistryContractTarget> MakeMemoryTarget() {
    return std::make_unique<MemoryTarget>();
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Memory, RegistryContract,
                         testing::Values(RegistryContractStore{"memory", &MakeMemoryTarget}),
                         [](const auto&) { return std::string("memory"); });
