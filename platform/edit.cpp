#include "platform/edit.h"

#include "platform/exceptions.h"

void TEdit::SetText(const std::string& text) {
    ChangeText(text, false);
}

void TEdit::SetReadOnly(bool readOnly) {
    if (readOnly_ != readOnly) {
        readOnly_ = readOnly;
        Changed(ViewChange::ReadOnly);
    }
}

char TEdit::KeyPress(char key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
    return key;
}

void TEdit::TextEditedByUser(const std::string& text) {
    ChangeText(text, true);
}

void TEdit::ChangeText(const std::string& text, bool byUser) {
    // As the edit window does, a change flags the text as modified by the user or clears
    // the flag for code; an assignment of the same text raises nothing but still clears it.
    if (text_ == text) {
        if (!byUser)
            modified_ = false;
        return;
    }
    text_ = text;
    modified_ = byUser;
    Changed(ViewChange::Text);
    if (OnChange)
        OnChange(this);
}

void TEdit::UserType(const std::string& keys) {
    if (!Reachable())
        return;
    for (char typed : keys) {
        char key = KeyPress(typed);
        if (key == 0 || readOnly_)
            continue;
        std::string text = text_;
        if (key == '\b') {
            if (text.empty())
                continue;
            text.pop_back();
        } else if (static_cast<unsigned char>(key) < 32) {
            continue;
        } else {
            if (maxLength_ > 0 && static_cast<int>(text.size()) >= maxLength_)
                continue;
            text.push_back(key);
        }
        TextEditedByUser(text);
    }
}

bool TEdit::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "Text")
        text_ = v.AsString();
    else if (name == "ReadOnly")
        readOnly_ = v.AsBool();
    else if (name == "MaxLength")
        maxLength_ = v.AsInt();
    else if (name == "PasswordChar") {
        if (v.AsString().size() != 1)
            throw EInvalidOperation("PasswordChar needs one character");
        passwordChar_ = v.AsString()[0];
    } else
        return TWinControl::SetProperty(name, v);
    return true;
}

bool TEdit::BindEvent(const std::string& event, const std::string& handler,
                      const EventHandlers& handlers) {
    if (event == "OnChange")
        OnChange = handlers.Notify(handler);
    else if (event == "OnKeyPress")
        OnKeyPress = handlers.KeyPress(handler);
    else
        return TWinControl::BindEvent(event, handler, handlers);
    return true;
}
