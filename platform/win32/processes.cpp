#include "platform/win32/processes.h"

#include "platform/win32/windows_api.h"

#include <string>

void Win32Processes::Start(const std::u16string& commandLine) {
    // CreateProcessW may write into the line it is given, so it gets a copy of its own.
    std::wstring line(commandLine.begin(), commandLine.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    // Our handles stay ours: an uninstaller has no business with the registry keys and
    // files this program holds open.
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process))
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
