#include "tests/support/fake_file_dialogs.h"

void FileDialogSession::Select(const std::optional<std::string>& path) {
    if (closed)
        return;
    nameBox = path;
    if (events_)
        events_->SelectionChanged(*this, path);
}

void FileDialogSession::TypeName(const std::optional<std::string>& path) {
    if (!closed)
        nameBox = path;
}

void FileDialogSession::ClickCell(int cell) {
    if (!closed && events_)
        events_->CellSelected(cell);
}

void FileDialogSession::DoubleClickCell(int cell) {
    if (closed || !events_)
        return;
    events_->CellSelected(cell);
    events_->CellDoubleClicked(*this);
}

void FileDialogSession::PressOk() {
    if (closed || (nameBox && nameBox->empty()))
        return;
    if (events_ && !events_->FileConfirmed(*this, nameBox))
        return;
    closed = true;
    result = nameBox.value_or("?");
}

void FileDialogSession::Show(const std::vector<TIcon>& pictures) {
    cells = pictures;
    ++refills;
}

std::optional<std::string> ScriptedFileDialogs::Run(const FileDialogRequest& request,
                                                    IconStripEvents* strip) {
    requests.push_back(request);
    FileDialogSession session(request, strip);
    if (strip)
        strip->Opened(session);
    if (user)
        user(session);
    return session.result;
}
