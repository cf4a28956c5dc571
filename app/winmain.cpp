// The Windows entry point: hands over to the portable program with the Win32 services.
#include "platform/win32/windows_api.h"

#include "app/program.h"
#include "platform/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    Win32Platform platform(instance);
    return RunProgram(platform.Services());
}
