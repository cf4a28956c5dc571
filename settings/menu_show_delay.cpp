// The input rules of EditMenuShowDelay: digits only, and a number when it is left.
#include "settings/settings.h"

#include "platform/edit.h"
#include "platform/exceptions.h"
#include "platform/str_to_int.h"

namespace {

constexpr char Backspace = '\b';
// What a text that is no number converts to; no typed text can reach it in four digits.
constexpr int NotANumber = 10000;
const char* const DefaultDelay = "50";

int DelayValue(const std::string& text) {
    try {
        return StrToInt(text);
    } catch (const EConvertError&) {
        return NotANumber;
    }
}

} // namespace

void Settings::EditMenuShowDelayKeyPress(TObject* /*sender*/, char& key) {
    // The key itself goes on: a read-only edit ignores it, and stays read-only for any other
    // editing until a digit or Backspace is typed.
    bool accepted = key == Backspace || (key >= '0' && key <= '9');
    menuShowDelay_.SetReadOnly(!accepted);
}

void Settings::EditMenuShowDelayExit(TObject* /*sender*/) {
    // A programmatic assignment: it marks nothing by itself.
    if (DelayValue(menuShowDelay_.Text()) == NotANumber)
        menuShowDelay_.SetText(DefaultDelay);
}
