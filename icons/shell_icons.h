#pragma once
// The shell icons of the "Ikony" tab: one slot per item of IconsListBox, each with its icon
// location, its change mark and its picture in SIImageList.
#include "platform/handler_table.h"

#include <string>
#include <vector>

class RegistryStore;
class TComponent;
class TIcon;
class TImageList;
class TListBox;

class ShellIcons {
public:
    // Binds the slots to the window's list and image list; raises when the window lacks one.
    explicit ShellIcons(const TComponent& form);
    static const HandlerTable<ShellIcons>& Handlers();

    // The steps of the window's creation, in their order: empty locations and clear marks,
    // the application's icon as every slot's picture until the first Read brings the real
    // ones, and after that Read the list's column width.
    void CreateSlots();
    void AddPlaceholders(const TIcon& icon);
    void SetListColumnWidth();
    // The window's destruction.
    void ReleaseSlots();

    // The icon steps of Read and Apply.
    void ClearIconMarks();
    void ReadIcons();
    void WriteIcons(RegistryStore& store);

    void DisplayDialogButtonClick(TObject* sender);
    void DefaultButtonClick(TObject* sender);
    void RCIButtonClick(TObject* sender);
    void IconsListBoxDrawItem(TWinControl* control, int index, const TRect& rect,
                              TOwnerDrawState state);

    // Entry i belongs to slot i; 40 locations, one more than there are slots.
    std::vector<std::string> IconLocations;
    std::vector<bool> IconChanged;

private:
    TListBox& list_;
    TImageList& images_;
};
