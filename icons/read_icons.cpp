// Read's icon step: each slot's location from the first registry place that configures
// one, or the slot's default, and its picture from that location.
#include "icons/icon_batch.h"
#include "icons/icon_location.h"
#include "icons/icon_places.h"
#include "icons/icon_slots.h"
#include "icons/shell_icons.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/image_list.h"
#include "platform/list_box.h"
#include "platform/registry.h"
#include "platform/str_to_int.h"

#include <exception>

// What one slot takes from the read: its location and, when there is one, the icon to
// show. The pictures of all slots are extracted together afterwards, since reading a file
// once for many icons is much faster than once for each.
struct ShellIcons::SlotLoad {
    int slot;
    std::string location;
    std::optional<IconRequest> picture;
};

void ShellIcons::ReadIcons() {
    std::vector<SlotLoad> loads;
    std::exception_ptr failure;
    {
        TRegistry registry(form_.Application().Services().registry);
        try {
            for (const IconSlot& slot : IconSlots())
                ReadSlotIcon(registry, slot, loads);
        } catch (...) {
            failure = std::current_exception();
        }
    }
    // The slots before a failing one are loaded as if each had been loaded in turn.
    LoadSlots(loads);
    if (failure)
        std::rethrow_exception(failure);
    list_.Repaint();
}

void ShellIcons::ReadSlotIcon(TRegistry& registry, const IconSlot& slot,
                              std::vector<SlotLoad>& loads) {
    if (std::optional<std::string> location = ReadConfiguredLocation(registry, slot)) {
        std::optional<IconLocationParts> parts = SplitIconLocation(*location);
        // A text without a comma leaves the slot as it was.
        if (!parts)
            return;
        if (form_.Application().Services().files.FileExists(parts->file)) {
            // The location stays the slot's even when its index does not convert.
            loads.push_back({slot.position, *location, std::nullopt});
            loads.back().picture = IconRequest{parts->file, StrToInt(parts->indexText)};
            return;
        }
    }
    loads.push_back({slot.position, DefaultIconLocation(slot),
                     IconRequest{DefaultIconFile(slot), DefaultIconIndex(slot)}});
}

void ShellIcons::LoadSlots(const std::vector<SlotLoad>& loads) {
    std::vector<IconRequest> requests;
    for (const SlotLoad& load : loads)
        if (load.picture)
            requests.push_back(*load.picture);
    std::vector<TIcon> pictures = ExtractIcons(form_.Application().Services().icons, requests);
    auto picture = pictures.begin();
    for (const SlotLoad& load : loads) {
        IconLocations.at(load.slot) = load.location;
        if (!load.picture)
            continue;
        // A slot whose file has no such icon keeps the picture it had.
        if (!picture->Empty())
            images_.ReplaceIcon(load.slot, *picture);
        ++picture;
    }
}
