#pragma once
// Policy flags: a REG_DWORD holding the on-value when ticked, no value when unticked.
#include <cstdint>
#include <string>

class TCheckBox;
class TRegistry;

// Ticked for a REG_DWORD equal to the on-value or a REG_BINARY whose first byte is 1;
// unticked for anything else, a missing value included.
void ReadFlag(TRegistry& registry, TCheckBox& box, std::uint32_t onValue, const std::string& name);
// Only for a marked box: writes the on-value when ticked, deletes the value when unticked.
void WriteFlagIfChanged(TRegistry& registry, const TCheckBox& box, std::uint32_t onValue,
                        const std::string& name);
