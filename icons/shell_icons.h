#pragma once
// The shell icons of the "Ikony" tab: one slot per item of IconsListBox, each with its icon
// location, its change mark and its picture in SIImageList. Changing a slot only marks it;
// Apply writes the marked slots to the registry and the Read after it clears the marks.
#include "platform/handler_table.h"
#include "platform/icon.h"

#include <optional>
#include <string>
#include <vector>

class ChangeTracker;
class MessageTexts;
class RegistryStore;
class TForm;
class TImageList;
class TListBox;
class TRegistry;
struct IconSlot;

class ShellIcons {
public:
    // Binds the slots to the window's list and image list, whose items it fills with the
    // slots' texts; raises when the window lacks one.
    ShellIcons(TForm& form, ChangeTracker& changes, const MessageTexts& texts);
    static const HandlerTable<ShellIcons>& Handlers();

    // The steps of the window's creation, in their order: empty locations and clear marks,
    // the application's icon as every slot's picture until the first Read brings the real
    // ones, and after that Read the list's column width.
    void CreateSlots();
    void AddPlaceholders(const TIcon& icon);
    void SetListColumnWidth();
    // The window's destruction.
    void ReleaseSlots();

    // The icon steps of Read and Apply. ReadIcons takes each slot's location and picture
    // from the registry; an index that is not a number stops it at that slot with the
    // error, the slots before it loaded and the ones after it as they were.
    void ClearIconMarks();
    void ReadIcons();
    // Writes every marked slot to its places in `store`; the marks stay.
    void WriteIcons(RegistryStore& store);

    void DisplayDialogButtonClick(TObject* sender);
    void DefaultButtonClick(TObject* sender);
    void RCIButtonClick(TObject* sender);
    void IconsListBoxDrawItem(TWinControl* control, int index, const TRect& rect,
                              TOwnerDrawState state);

    // Gives slot `slot` this location and, when one is given, this picture, and marks it
    // (ChangeCount counts a slot once until the next Read). An empty picture is refused
    // with "Unable to Replace Image" before anything changes.
    void ChangeSlot(int slot, const std::string& location, const std::optional<TIcon>& picture);
    // The same for the selected slot; nothing happens when none is selected.
    void SetSlotIcon(const std::string& location, const TIcon& icon);

    // Entry i belongs to slot i; 40 locations, one more than there are slots.
    std::vector<std::string> IconLocations;
    std::vector<bool> IconChanged;

private:
    struct SlotLoad;
    void ReadSlotIcon(TRegistry& registry, const IconSlot& slot, std::vector<SlotLoad>& loads);
    void LoadSlots(const std::vector<SlotLoad>& loads);
    void WriteSlotIcon(RegistryStore& store, const IconSlot& slot);

    TForm& form_;
    ChangeTracker& changes_;
    const MessageTexts& texts_;
    TListBox& list_;
    TImageList& images_;
};
