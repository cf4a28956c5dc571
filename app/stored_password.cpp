#include "app/stored_password.h"

#include "platform/registry.h"

bool OpenPasswordKey(TRegistry& registry) {
    return registry.KeyExists(PasswordKey) && registry.OpenKey(PasswordKey, false);
}

std::optional<std::string> PasswordOfOpenKey(TRegistry& registry) {
    if (registry.ValueExists(PasswordValue) &&
        registry.GetDataType(PasswordValue) == TRegDataType::rdString)
        return registry.ReadString(PasswordValue);
    return std::nullopt;
}

std::optional<std::string> ReadStoredPassword(RegistryStore& store) {
    TRegistry registry(store);
    registry.SetRootKey(RootKey::LocalMachine);
    if (!OpenPasswordKey(registry))
        return std::nullopt;
    std::optional<std::string> stored = PasswordOfOpenKey(registry);
    registry.CloseKey();
    return stored;
}
