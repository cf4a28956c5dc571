#pragma once
// Starting other programs (CreateProcessW).
#include "platform/services.h"

class Win32Processes final : public Processes {
public:
    void Start(const std::u16string& commandLine) override;
};
