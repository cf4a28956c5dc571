#include "platform/form.h"

#include "platform/application.h"
#include "platform/button.h"
#include "platform/exceptions.h"

TForm::TForm(TApplication& application) : TWinControl(nullptr), application_(application) {
    SetVisible(false);
}

void TForm::SetClientSize(int width, int height) {
    if (width == Width() && height == Height())
        return;
    SetBounds(Left(), Top(), width, height);
    if (created_ && OnResize)
        OnResize(this);
}

void TForm::FocusControl(TWinControl* control) {
    // A control named as the window's active one before it ever had the focus still gets its
    // OnEnter when the focus first arrives.
    activeControl_ = control;
    if (control == focusedControl_)
        return;
    TWinControl* previous = focusedControl_;
    focusedControl_ = control;
    if (previous)
        previous->DoExit();
    if (control) {
        control->DoEnter();
        control->Changed(ViewChange::Focus);
    }
}

void TForm::ControlDestroyed(TWinControl* control) {
    for (TWinControl** held : {&activeControl_, &focusedControl_})
        for (TControl* c = *held; c; c = c->Parent())
            if (c == control) {
                *held = nullptr;
                break;
            }
}

TButton* TForm::DefaultButton() const {
    for (TComponent* c : Components())
        if (auto* button = dynamic_cast<TButton*>(c); button && button->Default())
            return button;
    return nullptr;
}

void TForm::UserPressEnter() {
    if (TButton* button = DefaultButton())
        button->UserClick();
}

void TForm::Close() {
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    Hide();
    if (application_.MainForm() == this)
        application_.Terminate();
}

void TForm::DoCreate() {
    // An error in OnCreate is reported and creation goes on, so the window still exists.
    try {
        if (OnCreate)
            OnCreate(this);
    } catch (const std::exception& e) {
        application_.HandleException(e);
    }
    created_ = true;
    if (OnResize)
        OnResize(this);
}

void TForm::DoDestroy() {
    if (OnDestroy)
        OnDestroy(this);
}

bool TForm::SetProperty(const std::string& name, const LayoutValue& v) {
    if (name == "ClientWidth")
        SetClientSize(v.AsInt(), Height());
    else if (name == "ClientHeight")
        SetClientSize(Width(), v.AsInt());
    else if (name == "Constraints.MinWidth")
        minOuterWidth_ = v.AsInt();
    else if (name == "Constraints.MinHeight")
        minOuterHeight_ = v.AsInt();
    else if (name == "Position")
        position_ = v.AsEnum<TPosition>(
            {{"poDesigned", TPosition::poDesigned}, {"poScreenCenter", TPosition::poScreenCenter}},
            "position");
    else if (name == "BorderStyle")
        borderStyle_ = v.AsEnum<TFormBorderStyle>({{"bsNone", TFormBorderStyle::bsNone},
                                                   {"bsSingle", TFormBorderStyle::bsSingle},
                                                   {"bsSizeable", TFormBorderStyle::bsSizeable},
                                                   {"bsDialog", TFormBorderStyle::bsDialog}},
                                                  "border style");
    else if (name == "BorderIcons")
        borderIcons_ = v.AsFlags({{"biSystemMenu", biSystemMenu},
                                  {"biMinimize", biMinimize},
                                  {"biMaximize", biMaximize}},
                                 "border icon");
    else if (name == "FormStyle")
        formStyle_ = v.AsEnum<TFormStyle>(
            {{"fsNormal", TFormStyle::fsNormal}, {"fsStayOnTop", TFormStyle::fsStayOnTop}},
            "form style");
    else if (name == "ActiveControl") {
        activeControl_ = dynamic_cast<TWinControl*>(FindComponent(v.AsIdentifier()));
        if (!activeControl_)
            throw EInvalidOperation("No control " + v.AsIdentifier());
    } else
        return TWinControl::SetProperty(name, v);
    return true;
}

bool TForm::BindEvent(const std::string& event, const std::string& handler,
                      const EventHandlers& handlers) {
    if (event == "OnCreate")
        OnCreate = handlers.Notify(handler);
    else if (event == "OnDestroy")
        OnDestroy = handlers.Notify(handler);
    else if (event == "OnResize")
        OnResize = handlers.Notify(handler);
    else if (event == "OnClose")
        OnClose = handlers.Close(handler);
    else
        return TWinControl::BindEvent(event, handler, handlers);
    return true;
}
