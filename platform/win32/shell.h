#pragma once
// The shell's "open" verb, its change notifications and the settings broadcast.
#include "platform/services.h"

class Win32Shell final : public Shell {
public:
    void Open(TForm* owner, const std::string& file) override;
    void NotifyImagesChanged() override;
    void NotifyAssociationsChanged() override;
    void BroadcastWindowMetricsChanged() override;
};
