#pragma once
// Message boxes through MessageBoxW, over the given form's window or the active one.
#include "platform/services.h"

class Win32MessageBoxes final : public MessageBoxes {
public:
    int Show(TForm* owner, const std::string& text, const std::string& caption,
             unsigned flags) override;
};
