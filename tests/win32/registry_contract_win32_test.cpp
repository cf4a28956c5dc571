// The registry contract on the real registry of the Wine prefix (or of Windows).
#include "platform/win32/registry_key_handle.h"
#include "platform/win32/registry_roots.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/wide_text.h"
#include "tests/support/registry_contract.h"

#include "platform/win32/windows_api.h"

#include <sddl.h>

#include <vector>

namespace {

// Denies setting values, creating sub-keys and deletion to everyone and lets everyone read.
// RegSetKeySecurity does not pass the list on to existing sub-keys, so each gets its own.
void DenyWrites(HKEY parent, const std::wstring& path) {
    RegistryKeyHandle key;
    ASSERT_EQ(RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ | WRITE_DAC, key.out()),
              ERROR_SUCCESS);
    std::vector<std::wstring> children;
    wchar_t name[256];
    for (DWORD length = std::size(name);
         RegEnumKeyExW(key.get(), static_cast<DWORD>(children.size()), name, &length, nullptr,
                       nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         length = std::size(name))
        children.emplace_back(name, length);

    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        L"D:(D;OICI;0x10006;;;WD)(A;OICI;KR;;;WD)", SDDL_REVISION_1, &descriptor, nullptr));
    LONG result = RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    ASSERT_EQ(result, ERROR_SUCCESS);
    for (const std::wstring& child : children)
        DenyWrites(key.get(), child);
}

class Win32Target : public RegistryContractTarget {
public:
    RegistryStore& Store() override { return store_; }
    void RefuseWritesUnder(RootKey root, const std::string& path) override {
        DenyWrites(PredefinedKey(root), Wide(path));
    }

private:
    Win32RegistryStore store_;
};

std::unique_ptr<RegistryContractTarget> MakeWin32Target() {
    return std::make_unique<Win32Target>();
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Win32, RegistryContract,
                         testing::Values(RegistryContractStore{"win32", &MakeWin32Target}),
                         [](const auto&) { return std::string("win32"); });
