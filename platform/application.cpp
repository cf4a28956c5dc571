#include "platform/application.h"

#include "platform/control.h"
#include "platform/exceptions.h"
#include "platform/form.h"

TApplication::TApplication(const Platform& platform) : platform_(platform) {}

TApplication::~TApplication() {
    DestroyForms();
}

void TApplication::AdoptForm(std::unique_ptr<TForm> form) {
    if (!mainForm_)
        mainForm_ = form.get();
    forms_.push_back(std::move(form));
}

void TApplication::Run() {
    if (showMainForm_ && mainForm_)
        mainForm_->Show();
    if (!terminated_)
        platform_.windows.Run(*this);
}

void TApplication::Terminate() {
    terminated_ = true;
    platform_.windows.Quit();
}

void TApplication::DestroyForms() {
    while (!forms_.empty()) {
        std::unique_ptr<TForm> form = std::move(forms_.back());
        forms_.pop_back();
        try {
            form->DoDestroy();
        } catch (const std::exception& e) {
            ShowException(e);
        }
        if (form.get() == mainForm_)
            mainForm_ = nullptr;
    }
}

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

std::string GetLongHint(const std::string& hint) {
    std::size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

void TApplication::ShowException(const std::exception& error) {
    platform_.messageBoxes.Show(nullptr, ErrorBoxText(error.what()), title_,
                                mb::Ok | mb::IconError);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return platform_.messageBoxes.Show(nullptr, text, caption, flags);
}

void TApplication::SetHint(const std::string& hint) {
    if (hint_ == hint)
        return;
    hint_ = hint;
    if (OnHint)
        OnHint(nullptr);
}

void TApplication::HintFromControl(TControl* underPointer) {
    for (TControl* c = underPointer; c; c = c->Parent())
        if (!c->Hint().empty()) {
            SetHint(c->Hint());
            return;
        }
    SetHint("");
}
