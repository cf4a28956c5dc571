#pragma once
// TApplication: the title, the forms, the event loop, the error box and the hint of the
// control under the pointer.
#include "platform/services.h"
#include "platform/types.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

class TControl;
class TForm;

class TApplication {
public:
    explicit TApplication(const Platform& platform);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    const Platform& Services() const { return platform_; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& ExeName() const { return platform_.exeName; }
    TIcon Icon() const { return platform_.icons.ApplicationIcon(); }

    // Creates a form owned by the application; the first one is the main form.
    template <class Form, class... Args> Form* CreateForm(Args&&... args) {
        auto form = std::make_unique<Form>(*this, std::forward<Args>(args)...);
        Form* raw = form.get();
        AdoptForm(std::move(form));
        return raw;
    }
    TForm* MainForm() const { return mainForm_; }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }

    // Shows the main form when the switch is on, then runs the event loop until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Destroys the forms, the newest first, each after its OnDestroy.
    void DestroyForms();

    // The error box: the message, with a full stop added when its last character's code is
    // greater than that of "."; captioned with the title; error icon; OK.
    void ShowException(const std::exception& error);
    // The event loop hands every error that escapes a handler to this.
    void HandleException(const std::exception& error) { ShowException(error); }
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    // The idle step: the hint of the control under the pointer, else of its nearest
    // enclosing control that has one, else "" (also when the pointer is outside, null).
    void HintFromControl(TControl* underPointer);
    TNotifyEvent OnHint;

private:
    void AdoptForm(std::unique_ptr<TForm> form);

    Platform platform_;
    std::string title_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
    std::string hint_;
};

// The text the error box shows for a message.
std::string ErrorBoxText(const std::string& message);
// The long part of a hint: the text after the first "|", or the whole hint without one.
std::string GetLongHint(const std::string& hint);
