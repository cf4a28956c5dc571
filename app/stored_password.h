#pragma once
// Where the access password lives: HKEY_LOCAL_MACHINE "Software\SRVT\SRVT", value
// "Password", a string kept as plain text exactly as typed, because other copies of the
// program read it as it stands. "Software\SRVT" belongs to the program too.
#include <optional>
#include <string>

class RegistryStore;
class TRegistry;

inline constexpr const char* PasswordKey = "Software\\SRVT\\SRVT";
inline constexpr const char* PasswordParentKey = "Software\\SRVT";
inline constexpr const char* PasswordValue = "Password";

// Opens the program's key without creating it; false when it is missing or does not open.
// The accessor's root must be HKEY_LOCAL_MACHINE.
bool OpenPasswordKey(TRegistry& registry);
// The password held by the open key: its "Password" value when that is a string (REG_SZ);
// any other type is no password.
std::optional<std::string> PasswordOfOpenKey(TRegistry& registry);
// The stored password, read through an accessor of its own; nothing when the key is missing
// or does not open.
std::optional<std::string> ReadStoredPassword(RegistryStore& store);
