#include "icons/dialogs/icon_picker.h"

#include "i18n/message_texts.h"
#include "icons/dialogs/dialog_filter.h"
#include "icons/dialogs/icon_picker_hook.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/str_to_int.h"

std::optional<PickedIcon> PickIcon(TForm& owner, const MessageTexts& texts) {
    const Platform& services = owner.Application().Services();
    IconPickerHook hook(services.icons, owner.Application());
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.owner = &owner;
    request.title = texts[MsgChangeIconTitle];
    request.filter = MakeDialogFilter(texts[MsgIconFilter]);
    request.flags = IconPickerFlags;
    std::optional<std::string> file = services.fileDialogs.Run(request, &hook);
    if (!file || hook.PickerChoice() < 0)
        return std::nullopt;
    return PickedIcon{*file + "," + IntToStr(hook.PickerChoice()), hook.ChosenIcon()};
}
