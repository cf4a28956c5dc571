#include "settings/binary_byte_steps.h"

#include "platform/check_box.h"
#include "platform/registry.h"
#include "settings/change_tracker.h"

#include <array>
#include <optional>

namespace {

constexpr int ValueSize = 4;
using Bytes = std::array<std::uint8_t, ValueSize>;

// The four bytes of the value, when it is a REG_BINARY of exactly that size. The size is
// checked first: reading a longer value into the buffer would raise.
std::optional<Bytes> ReadFourBytes(TRegistry& registry, const std::string& name) {
    if (registry.GetDataType(name) != TRegDataType::rdBinary ||
        registry.GetDataSize(name) != ValueSize)
        return std::nullopt;
    Bytes bytes{};
    if (registry.ReadBinaryData(name, bytes.data(), ValueSize) != ValueSize)
        return std::nullopt;
    return bytes;
}

} // namespace

void ReadFirstByteFlag(TRegistry& registry, TCheckBox& box, std::uint8_t onByte,
                       const std::string& name) {
    auto bytes = ReadFourBytes(registry, name);
    box.SetChecked(bytes && (*bytes)[0] == onByte);
}

void WriteFirstByteIfChanged(TRegistry& registry, const TCheckBox& box, std::uint8_t onByte,
                             std::uint8_t offByte, const std::string& name) {
    if (!ChangeTracker::IsMarked(box))
        return;
    auto bytes = ReadFourBytes(registry, name);
    if (!bytes)
        return;
    (*bytes)[0] = box.Checked() ? onByte : offByte;
    registry.WriteBinaryData(name, bytes->data(), ValueSize);
}
