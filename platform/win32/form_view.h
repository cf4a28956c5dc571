#pragma once
// The top-level window of a TForm: frame and icons from the model's border settings, the
// client size from the model (and back to it on WM_SIZE), closing through the model, and
// the keyboard focus kept in step with the model's active control.
#include "platform/form.h"
#include "platform/win32/control_window.h"

class FormView final : public ControlWindow {
public:
    FormView(TForm& form, ViewContext& context);
    ~FormView() override;

    TForm& Form() const { return form_; }
    void Changed(ViewChange what) override;
    // Gives the keyboard focus to the model's active control, or else to the first control
    // Tab reaches.
    void RestoreFocus();

private:
    LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l) override;
    void Paint(HDC dc, const RECT& client) override;
    void Place() override;
    DWORD Style() const;
    DWORD ExStyle() const;
    SIZE OuterSize() const;
    void ShowOrHide();
    void CentreOnWorkArea();
    TWinControl* FocusTarget() const;

    TForm& form_;
    bool shownBefore_ = false;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
};
