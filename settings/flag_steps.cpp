#include "settings/flag_steps.h"

#include "platform/check_box.h"
#include "platform/registry.h"
#include "settings/change_tracker.h"

#include <vector>

namespace {

bool BinaryStartsWithOne(TRegistry& registry, const std::string& name) {
    int size = registry.GetDataSize(name);
    if (size <= 0)
        return false;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    return registry.ReadBinaryData(name, bytes.data(), size) > 0 && bytes[0] == 1;
}

} // namespace

void ReadFlag(TRegistry& registry, TCheckBox& box, std::uint32_t onValue, const std::string& name) {
    bool ticked = false;
    switch (registry.GetDataType(name)) {
    case TRegDataType::rdInteger:
        ticked = static_cast<std::uint32_t>(registry.ReadInteger(name)) == onValue;
        break;
    case TRegDataType::rdBinary:
        ticked = BinaryStartsWithOne(registry, name);
        break;
    default:
        break;
    }
    box.SetChecked(ticked);
}

void WriteFlagIfChanged(TRegistry& registry, const TCheckBox& box, std::uint32_t onValue,
                        const std::string& name) {
    if (!ChangeTracker::IsMarked(box))
        return;
    if (box.Checked())
        registry.WriteInteger(name, static_cast<int>(onValue));
    else
        registry.DeleteValue(name);
}
