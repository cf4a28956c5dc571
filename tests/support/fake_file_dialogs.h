#pragma once
// File dialogs for native tests: each dialog is a session the test works as its user would,
// through the file name box, the strip's cells and the OK and Cancel buttons. A name the
// program's text cannot hold is given as nothing.
#include "platform/file_dialogs.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class FileDialogSession : public IconStrip {
public:
    FileDialogSession(const FileDialogRequest& request, IconStripEvents* events)
        : request(request), nameBox(request.initialFile), events_(events) {}

    // The user selects a file or folder in the dialog's list; it goes into the name box.
    void Select(const std::optional<std::string>& path);
    // The user types a name into the name box; the list's selection stays as it was.
    void TypeName(const std::optional<std::string>& path);
    void ClickCell(int cell);
    void DoubleClickCell(int cell);
    // OK: the dialog closes with the name in the box, unless the box is empty or the program
    // refuses the name.
    void PressOk() override;
    void Cancel() { closed = true; }

    // What the program put in the strip.
    void Show(const std::vector<TIcon>& pictures) override;

    const FileDialogRequest request;
    std::optional<std::string> nameBox;
    std::vector<TIcon> cells;
    int refills = 0;
    bool closed = false;
    std::optional<std::string> result;

private:
    IconStripEvents* events_;
};

class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> Run(const FileDialogRequest& request,
                                   IconStripEvents* strip) override;

    // Acts while each dialog is open; a dialog the user leaves open is cancelled.
    std::function<void(FileDialogSession&)> user;
    std::vector<FileDialogRequest> requests;
};
