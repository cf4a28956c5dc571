#pragma once
// The time of the user's time zone.
#include "platform/services.h"

class Win32Clock : public Clock {
public:
    LocalTime Now() override;
};
