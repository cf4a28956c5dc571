#pragma once
// The system's open and save dialogs, and the open dialog that shows a strip of icons below
// its own controls while the user looks for a file.
#include "platform/icon.h"

#include <optional>
#include <string>
#include <vector>

class TForm;

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    TForm* owner = nullptr;
    // An empty title is shown empty, not replaced by the system's own.
    std::string title;
    // The list of description and pattern strings, each ended by a NUL, the list closed by
    // an empty string; the first pair is selected.
    std::string filter;
    std::string defaultExtension;
    // The system's option bits (OFN_*), as they stand.
    unsigned flags = 0;
    std::string initialFile;
};

// The strip of an open dialog, as the program fills it.
class IconStrip {
public:
    virtual ~IconStrip() = default;
    // Shows one cell per picture, in order, none selected, in place of what it showed.
    virtual void Show(const std::vector<TIcon>& pictures) = 0;
    // Confirms the dialog as its OK button does.
    virtual void PressOk() = 0;
};

// What the user does in an open dialog with a strip, told to the program while it is open.
// A file name comes as the program's text, or as nothing when that text cannot hold it
// exactly.
class IconStripEvents {
public:
    virtual ~IconStripEvents() = default;
    // The dialog has opened, with an empty strip.
    virtual void Opened(IconStrip& strip) = 0;
    // The dialog's selection is now this file or folder (a full path). The system may tell
    // the same selection more than once.
    virtual void SelectionChanged(IconStrip& strip, const std::optional<std::string>& path) = 0;
    // The user selected a cell of the strip.
    virtual void CellSelected(int cell) = 0;
    virtual void CellDoubleClicked(IconStrip& strip) = 0;
    // The user confirmed this file (a full path); false refuses it and keeps the dialog open.
    virtual bool FileConfirmed(IconStrip& strip, const std::optional<std::string>& path) = 0;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Runs a dialog modally; with `strip`, an open dialog shows the icon strip and tells
    // `strip` what the user does. Returns the confirmed file's full path, or nothing when
    // the user cancels or the dialog cannot run. A name the program's text cannot hold
    // exactly comes back with "?" in place of the letters it lacks.
    virtual std::optional<std::string> Run(const FileDialogRequest& request,
                                           IconStripEvents* strip = nullptr) = 0;
};
