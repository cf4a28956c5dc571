#pragma once
// The user's folders as the shell names them.
#include "platform/services.h"

class Win32Folders : public Folders {
public:
    std::u16string LocalApplicationData() override;
};
