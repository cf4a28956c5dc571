#pragma once
// The 14 texts of the program's message boxes and file dialogs. They hold the built-in
// Polish texts until a language file replaces them; every box reads its text when shown.
#include <array>
#include <string>

// Numbered as they stand in the Strings section of a language file.
enum MessageText : int {
    MsgWarning = 1,
    MsgSaveBeforeClose,
    MsgKeyDeleteFailed,
    MsgKeyDeleted,
    MsgConfirmRemove,
    MsgNoUninstallPath,
    MsgKeyNotFound,
    MsgProgramError,
    MsgChangesNotSaved,
    MsgChangeIconTitle,
    MsgIconFilter,
    MsgOpenProfileTitle,
    MsgSaveProfileTitle,
    MsgProfileFilter,
};

class MessageTexts {
public:
    static constexpr int Count = 14;

    MessageTexts();
    // The current Windows-1250 text of a message (1 to 14).
    const std::string& operator[](MessageText which) const { return texts_.at(which - 1); }
    void Set(MessageText which, const std::string& text) { texts_.at(which - 1) = text; }

private:
    std::array<std::string, Count> texts_;
};
