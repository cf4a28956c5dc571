#pragma once
// TEdit: a single-line edit. OnChange follows every change of the text, typed or assigned;
// Modified is set by the user's editing and cleared when code assigns the text.
#include "platform/control.h"

class TEdit : public TWinControl {
public:
    // Text and lists stand on the window colour, not on the face of the dialog.
    explicit TEdit(TComponent* owner) : TWinControl(owner) { SetColor(clWindow); }
    std::string_view ClassName() const override { return "TEdit"; }

    const std::string& Text() const { return text_; }
    // Code assigns the text: Modified becomes false.
    void SetText(const std::string& text);
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = maxLength; }
    char PasswordChar() const { return passwordChar_; }

    TNotifyEvent OnChange;
    TKeyPressEvent OnKeyPress;

    // A character key reaches the edit: OnKeyPress may change or swallow it (0). Returns
    // the key to be processed.
    char KeyPress(char key);
    // The user's editing has made the text `text` (the window already shows it).
    void TextEditedByUser(const std::string& text);
    // Types the characters one by one as the edit window would: each goes through
    // KeyPress, a read-only edit ignores it, Backspace (8) deletes the last character,
    // other characters below 32 are ignored and MaxLength refuses any more.
    void UserType(const std::string& keys);

    bool SetProperty(const std::string& name, const LayoutValue& value) override;
    bool BindEvent(const std::string& event, const std::string& handler,
                   const EventHandlers& handlers) override;

private:
    void ChangeText(const std::string& text, bool byUser);

    std::string text_;
    bool modified_ = false;
    bool readOnly_ = false;
    int maxLength_ = 0;
    char passwordChar_ = 0;
};
