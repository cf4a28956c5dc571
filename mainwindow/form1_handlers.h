#pragma once
// The handler names of the main window's layout, bound to the code that handles them.
#include "platform/layout_value.h"

class TForm1;

class Form1Handlers : public EventHandlers {
public:
    explicit Form1Handlers(TForm1& form) : EventHandlers("main window"), form_(form) {}

    TNotifyEvent Notify(const std::string& name) const override;
    TKeyPressEvent KeyPress(const std::string& name) const override;
    TCloseEvent Close(const std::string& name) const override;
    TDrawItemEvent DrawItem(const std::string& name) const override;

private:
    TForm1& form_;
};
