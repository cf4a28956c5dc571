#pragma once
// A TEdit as a single-line EDIT. Typed characters pass the model's KeyPress first; the
// window's own editing reaches the model as TextEditedByUser, while the model's text comes
// in without counting as the user's.
#include "platform/edit.h"
#include "platform/win32/control_window.h"

class EditView final : public ControlWindow {
public:
    EditView(TEdit& edit, ViewContext& context);

    void Changed(ViewChange what) override;
    bool TakesFocus() const override { return true; }
    std::optional<LRESULT> Reflected(UINT message, WPARAM w, LPARAM l) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l) override;
    bool MirrorsCaption() const override { return false; }
    void ShowModelText();

    TEdit& edit_;
    // Set while the window takes the model's text, whose EN_CHANGE is not the user's.
    bool showingModelText_ = false;
};
