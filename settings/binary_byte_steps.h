#pragma once
// Settings kept in the first byte of a 4-byte REG_BINARY that the shell owns ("link" of
// Explorer, "Attributes" of the recycle bin). The other three bytes are the shell's: they are
// written back as read, and a value that is missing or of another type or length is never
// created or replaced.
#include <cstdint>
#include <string>

class TCheckBox;
class TRegistry;

// Ticked when the value is a 4-byte REG_BINARY whose first byte is `onByte`.
void ReadFirstByteFlag(TRegistry& registry, TCheckBox& box, std::uint8_t onByte,
                       const std::string& name);
// Only for a marked box and a 4-byte REG_BINARY: sets the first byte to `onByte` when
// ticked or `offByte` when unticked.
void WriteFirstByteIfChanged(TRegistry& registry, const TCheckBox& box, std::uint8_t onByte,
                             std::uint8_t offByte, const std::string& name);
