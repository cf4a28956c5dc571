// How IconsListBox draws a slot: its picture, then its number and text, blue while the slot
// is changed (on the highlight of a selected item too).
#include "icons/shell_icons.h"

#include "platform/canvas.h"
#include "platform/image_list.h"
#include "platform/list_box.h"
#include "platform/str_to_int.h"
#include "settings/change_tracker.h"

namespace {

constexpr int PictureInset = 1;
constexpr int TextLeft = 36;

} // namespace

void ShellIcons::IconsListBoxDrawItem(TWinControl* /*control*/, int index, const TRect& rect,
                                      TOwnerDrawState /*state*/) {
    TCanvas& canvas = *list_.Canvas();
    canvas.FillRect(rect);
    images_.Draw(canvas, rect.Left + PictureInset, rect.Top + PictureInset, index, true);
    const std::string& text = list_.Items().at(index);
    int offset = (rect.Height() - canvas.TextHeight(text)) / 2;
    if (index < static_cast<int>(IconChanged.size()) && IconChanged[index])
        canvas.Font().SetColor(MarkedColor);
    canvas.TextOut(rect.Left + TextLeft, rect.Top + offset, IntToStr(index) + ". " + text);
}
