#include "icons/shell_icons.h"

#include "icons/dialogs/icon_picker.h"
#include "icons/icon_cache_rebuild.h"
#include "icons/icon_slots.h"
#include "platform/application.h"
#include "platform/exceptions.h"
#include "platform/form.h"
#include "platform/image_list.h"
#include "platform/list_box.h"
#include "platform/text_codec.h"
#include "settings/change_tracker.h"

#include <algorithm>

namespace {

constexpr int IconLocationCount = 40;
constexpr int IconListColumnWidth = 200;

} // namespace

ShellIcons::ShellIcons(TForm& form, ChangeTracker& changes, const MessageTexts& texts)
    : form_(form), changes_(changes), texts_(texts), list_(FindAs<TListBox>(form, "IconsListBox")),
      images_(FindAs<TImageList>(form, "SIImageList")) {
    list_.Clear();
    for (const IconSlot& slot : IconSlots())
        list_.Add(Utf8ToCp1250(slot.listText));
}

const HandlerTable<ShellIcons>& ShellIcons::Handlers() {
    static const HandlerTable<ShellIcons> table{
        .notify = {{"DisplayDialogButtonClick", &ShellIcons::DisplayDialogButtonClick},
                   {"DefaultButtonClick", &ShellIcons::DefaultButtonClick},
                   {"RCIButtonClick", &ShellIcons::RCIButtonClick}},
        .drawItem = {{"IconsListBoxDrawItem", &ShellIcons::IconsListBoxDrawItem}}};
    return table;
}

void ShellIcons::CreateSlots() {
    IconLocations.assign(IconLocationCount, std::string());
    IconChanged.assign(list_.Count(), false);
}

void ShellIcons::AddPlaceholders(const TIcon& icon) {
    // A failure here only costs the placeholders.
    try {
        images_.Clear();
        for (int i = 0; i < list_.Count(); ++i)
            images_.AddIcon(icon);
    } catch (const std::exception&) {
    }
}

void ShellIcons::SetListColumnWidth() {
    list_.SetColumnWidth(IconListColumnWidth);
}

void ShellIcons::ReleaseSlots() {
    IconLocations.clear();
}

void ShellIcons::ClearIconMarks() {
    std::fill(IconChanged.begin(), IconChanged.end(), false);
}

void ShellIcons::ChangeSlot(int slot, const std::string& location,
                            const std::optional<TIcon>& picture) {
    if (slot < 0 || slot >= static_cast<int>(IconChanged.size()))
        throw EStringListError("List index out of bounds (" + std::to_string(slot) + ")");
    if (picture)
        images_.ReplaceIcon(slot, *picture);
    if (!IconChanged[slot])
        changes_.AddChanges(1);
    IconChanged[slot] = true;
    IconLocations[slot] = location;
    list_.Repaint();
    changes_.UpdateZastosujButton();
}

void ShellIcons::SetSlotIcon(const std::string& location, const TIcon& icon) {
    if (list_.ItemIndex() >= 0)
        ChangeSlot(list_.ItemIndex(), location, icon);
}

void ShellIcons::DisplayDialogButtonClick(TObject* /*sender*/) {
    if (list_.ItemIndex() < 0)
        return;
    if (std::optional<PickedIcon> picked = PickIcon(form_, texts_))
        SetSlotIcon(picked->location, picked->icon);
}

void ShellIcons::DefaultButtonClick(TObject* /*sender*/) {
    int selected = list_.ItemIndex();
    if (selected < 0)
        return;
    const IconSlot& slot = IconSlots().at(selected);
    TIcon icon =
        form_.Application().Services().icons.Extract(DefaultIconFile(slot), DefaultIconIndex(slot));
    ChangeSlot(selected, DefaultIconLocation(slot), icon);
}

void ShellIcons::RCIButtonClick(TObject* /*sender*/) {
    RebuildIconCache(form_.Application().Services());
}
