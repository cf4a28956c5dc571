#include "platform/win32/clock.h"

#include "platform/win32/windows_api.h"

LocalTime Win32Clock::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}
