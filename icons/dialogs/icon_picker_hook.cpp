#include "icons/dialogs/icon_picker_hook.h"

#include "platform/application.h"
#include "platform/exceptions.h"
#include "platform/text_codec.h"

std::string UnnamableFileMessage() {
    return Utf8ToCp1250("Nazwa tego pliku zawiera znaki, których program nie potrafi zapisać. "
                        "Wybierz plik o innej nazwie.");
}

TIcon IconPickerHook::ChosenIcon() const {
    return choice_ < 0 ? TIcon() : pictures_[choice_];
}

void IconPickerHook::Opened(IconStrip& /*strip*/) {
    shownFile_.reset();
    pictures_.clear();
    choice_ = -1;
}

void IconPickerHook::SelectionChanged(IconStrip& strip, const std::optional<std::string>& path) {
    // The dialog repeats the notice of a selection it has told already.
    if (!Shows(path))
        Fill(strip, path);
}

void IconPickerHook::CellSelected(int cell) {
    choice_ = cell >= 0 && cell < static_cast<int>(pictures_.size()) ? cell : -1;
}

void IconPickerHook::CellDoubleClicked(IconStrip& strip) {
    strip.PressOk();
}

bool IconPickerHook::FileConfirmed(IconStrip& strip, const std::optional<std::string>& path) {
    if (!path) {
        application_.ShowException(Exception(UnnamableFileMessage()));
        return false;
    }
    if (Shows(path))
        return true;
    Fill(strip, path);
    return false;
}

bool IconPickerHook::Shows(const std::optional<std::string>& path) const {
    return path && shownFile_ && CompareTextAnsi(*path, *shownFile_) == 0;
}

void IconPickerHook::Fill(IconStrip& strip, const std::optional<std::string>& path) {
    shownFile_ = path;
    pictures_.clear();
    if (path)
        pictures_ = icons_.ExtractRun(*path, 0, icons_.Count(*path));
    choice_ = -1;
    strip.Show(pictures_);
}
