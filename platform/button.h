#pragma once
// TButton: a push button; the default button is pressed by Enter anywhere in its form.
#include "platform/control.h"

class TButton : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::string_view ClassName() const override { return "TButton"; }

    bool Default() const { return default_; }
    int ModalResult() const { return modalResult_; }

    bool SetProperty(const std::string& name, const LayoutValue& value) override;

private:
    bool default_ = false;
    int modalResult_ = 0;
};
