#pragma once
// The icon picker: the system's open dialog with a strip of the selected file's icons below
// its own controls. It starts with no file name, whatever the slot holds.
#include "platform/icon.h"

#include <optional>
#include <string>

class MessageTexts;
class TForm;

// OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK
// | OFN_HIDEREADONLY.
inline constexpr unsigned IconPickerFlags = 0x81864;

struct PickedIcon {
    // The file's full path as the dialog returns it, a comma and the icon's index.
    std::string location;
    TIcon icon;
};

// Runs the picker over `owner`, titled and filtered by the current message texts. Nothing
// when the user cancels or confirms without choosing an icon.
std::optional<PickedIcon> PickIcon(TForm& owner, const MessageTexts& texts);
