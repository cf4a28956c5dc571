#pragma once
// What the icon picker decides while its dialog is open: which file's icons fill the strip
// and which of them is chosen. The strip always shows the icons of one file, the file the
// location will name: a file confirmed without having been shown fills the strip first and
// the dialog stays open, so that the user chooses among its own icons.
#include "platform/file_dialogs.h"

#include <optional>
#include <string>
#include <vector>

class Icons;
class TApplication;

class IconPickerHook final : public IconStripEvents {
public:
    IconPickerHook(Icons& icons, TApplication& application)
        : icons_(icons), application_(application) {}

    // The chosen cell, -1 for none: the strip's selected cell, and -1 again whenever the
    // strip is refilled or emptied.
    int PickerChoice() const { return choice_; }
    // The picture of the chosen cell; empty with no choice.
    TIcon ChosenIcon() const;

    void Opened(IconStrip& strip) override;
    void SelectionChanged(IconStrip& strip, const std::optional<std::string>& path) override;
    void CellSelected(int cell) override;
    void CellDoubleClicked(IconStrip& strip) override;
    bool FileConfirmed(IconStrip& strip, const std::optional<std::string>& path) override;

private:
    bool Shows(const std::optional<std::string>& path) const;
    void Fill(IconStrip& strip, const std::optional<std::string>& path);

    Icons& icons_;
    TApplication& application_;
    // The file whose icons the strip shows; nothing before the first one, and for a name the
    // program's text cannot hold.
    std::optional<std::string> shownFile_;
    std::vector<TIcon> pictures_;
    int choice_ = -1;
};

// The error a file name gets when the program's text cannot hold it: its location would
// name another file.
std::string UnnamableFileMessage();
