#pragma once
// The shell's "open" verb and its change notifications.
#include "platform/services.h"

class Win32Shell final : public Shell {
public:
    void Open(TForm* owner, const std::string& file) override;
    void NotifyImagesChanged() override;
    void NotifyAssociationsChanged() override;
};
