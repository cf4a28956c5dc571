#pragma once
// The user's known folders, from the shell.
#include "platform/services.h"

class Win32Folders final : public Folders {
public:
    std::string ApplicationData() override;
    std::u16string LocalApplicationData() override;
};
