// Stands in for an uninstaller in the Wine tests. It records the command line it was started
// with, waits (up to 15 s) for the test's go-ahead on the event "SorvantoRecorderGo", and
// then writes uninstall_recorder.log beside itself (UTF-16): the command line, a line
// "released" or "not released", and a line saying whether the handle whose value follows
// "handle:" on its command line was handed down to it ("inherited" or "not inherited").
#include "platform/win32/windows_api.h"

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

// A handle of the starting program, as its number on the command line, is an event there:
// signalling it here works only when the handle came along with the start.
bool InheritedHandleNamedIn(const std::wstring& commandLine) {
    std::size_t at = commandLine.find(L"handle:");
    if (at == std::wstring::npos)
        return false;
    auto value =
        static_cast<std::uintptr_t>(std::wcstoull(commandLine.c_str() + at + 7, nullptr, 10));
    return SetEvent(reinterpret_cast<HANDLE>(value)) != FALSE;
}

} // namespace

int wmain() {
    std::wstring commandLine = GetCommandLineW();
    bool inherited = InheritedHandleNamedIn(commandLine);
    HANDLE go = OpenEventW(SYNCHRONIZE, FALSE, L"SorvantoRecorderGo");
    bool released = go && WaitForSingleObject(go, 15000) == WAIT_OBJECT_0;
    std::wstring report = commandLine + L"\n" + (released ? L"released" : L"not released") + L"\n" +
                          (inherited ? L"inherited" : L"not inherited") + L"\n";
    // Written beside and renamed, so that the test never reads half a report.
    std::wstring log = BesideThisProgram(L"uninstall_recorder.log");
    std::wstring partial = log + L".part";
    if (FILE* f = _wfopen(partial.c_str(), L"wb")) {
        std::fwrite(report.data(), sizeof(wchar_t), report.size(), f);
        std::fclose(f);
        MoveFileExW(partial.c_str(), log.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    return 0;
}
