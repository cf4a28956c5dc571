#pragma once
// Text flags: a REG_SZ holding the on-text when ticked and the off-text when unticked.
#include <string>

class TCheckBox;
class TRegistry;

// Ticked exactly for a REG_SZ equal to the on-text, byte for byte.
void ReadTextFlag(TRegistry& registry, TCheckBox& box, const std::string& onText,
                  const std::string& name);
// Only for a marked box: writes `text`, which the caller picks by the box's state.
void WriteTextIfChanged(TRegistry& registry, const TCheckBox& box, const std::string& text,
                        const std::string& name);
