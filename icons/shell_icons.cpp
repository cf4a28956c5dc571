#include "icons/shell_icons.h"

#include "platform/canvas.h"
#include "platform/image_list.h"
#include "platform/list_box.h"

#include <algorithm>

namespace {

constexpr int IconLocationCount = 40;
constexpr int IconListColumnWidth = 200;

} // namespace

ShellIcons::ShellIcons(const TComponent& form)
    : list_(FindAs<TListBox>(form, "IconsListBox")),
      images_(FindAs<TImageList>(form, "SIImageList")) {}

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

// The real icons, the picker, the defaults and the cache rebuild are still to be built
// (issue 9); until then the slots keep their placeholders and the list draws its texts.
void ShellIcons::ReadIcons() {}
void ShellIcons::WriteIcons(RegistryStore& /*store*/) {}
void ShellIcons::DisplayDialogButtonClick(TObject* /*sender*/) {}
void ShellIcons::DefaultButtonClick(TObject* /*sender*/) {}
void ShellIcons::RCIButtonClick(TObject* /*sender*/) {}

void ShellIcons::IconsListBoxDrawItem(TWinControl* /*control*/, int index, const TRect& rect,
                                      TOwnerDrawState /*state*/) {
    TCanvas& canvas = *list_.Canvas();
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + 2, rect.Top, list_.Items()[index]);
}
