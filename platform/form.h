#pragma once
// TForm: a top-level window. Its size in the model is its client area; the frame is the
// view's business.
#include "platform/control.h"

class TApplication;
class TButton;
class TImageList;

class TForm : public TWinControl {
public:
    explicit TForm(TApplication& application);
    // The controls and their windows go before the form's own window.
    ~TForm() override { DestroyComponents(); }
    std::string_view ClassName() const override { return "TForm"; }
    TApplication& Application() const { return application_; }

    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }
    // The client area changes size: anchored children follow, then OnResize runs.
    void SetClientSize(int width, int height);

    TPosition Position() const { return position_; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    TBorderIcons BorderIcons() const { return borderIcons_; }
    TFormStyle FormStyle() const { return formStyle_; }
    // Smallest outer size of a sizeable window; 0 for none.
    int MinOuterWidth() const { return minOuterWidth_; }
    int MinOuterHeight() const { return minOuterHeight_; }

    // The control that has, or is to get, the focus when the window is active.
    TWinControl* ActiveControl() const { return activeControl_; }
    // The control whose OnEnter ran last (and whose OnExit has not yet).
    TWinControl* FocusedControl() const { return focusedControl_; }
    // Moves the focus: OnExit of the control that had it, then OnEnter of the new one.
    void FocusControl(TWinControl* control);
    // A control of this form is being destroyed: the focus must not stay on it or inside it.
    void ControlDestroyed(TWinControl* control);
    // The default button that Enter presses, if any.
    TButton* DefaultButton() const;
    // The user presses Enter.
    void UserPressEnter();

    // Asks the window to close: OnClose decides the action (hide by default); a main form
    // that goes ends the program.
    void Close();
    // Runs OnCreate, then the first OnResize: the window has got its size.
    void DoCreate();
    void DoDestroy();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnResize;
    TCloseEvent OnClose;

    bool SetProperty(const std::string& name, const LayoutValue& value) override;
    bool BindEvent(const std::string& event, const std::string& handler,
                   const EventHandlers& handlers) override;

private:
    TApplication& application_;
    TPosition position_ = TPosition::poDesigned;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    int minOuterWidth_ = 0;
    int minOuterHeight_ = 0;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    bool created_ = false;
};
