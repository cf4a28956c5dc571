#include "tests/win32/started_program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

namespace {

// Removes a folder and everything below it.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring entry = folder + name;
            SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(entry + L"\\");
            else
                DeleteFileW(entry.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

bool CanCreateFileIn(const std::wstring& folder) {
    std::wstring probe = folder + L"probe.tmp";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    DeleteFileW(probe.c_str());
    return true;
}

// The folder's name on the Unix side of Wine, or "" off Wine.
std::string UnixName(const std::wstring& folder) {
    using ToUnix = char*(CDECL*)(const wchar_t*);
    // Through void*, as for every function found by name.
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return {};
    char* name = toUnix(folder.c_str());
    if (!name)
        return {};
    std::string unix(name);
    HeapFree(GetProcessHeap(), 0, name);
    return unix;
}

// Runs a Unix shell command; Wine starts Unix programs but reports no exit code for them,
// so the caller waits for the effect.
void RunUnixShell(const std::string& command) {
    std::wstring line = L"/bin/sh -c \"";
    for (char c : command)
        line += static_cast<wchar_t>(c);
    line += L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

bool WaitUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 100; ++i) {
        if (done())
            return true;
        Sleep(100);
    }
    return false;
}

} // namespace

ProgramFolder::ProgramFolder(std::initializer_list<const wchar_t*> besideTheProgram) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
    path_ = std::wstring(temp) + L"sorvanto-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::wstring(test.begin(), test.end()) + L"\\";
    RemoveTree(path_);
    CreateDirectoryW(path_.c_str(), nullptr);
    CopyFileW(BesideThisProgram(L"sorvanto.exe").c_str(), Exe().c_str(), FALSE);
    for (const wchar_t* name : besideTheProgram)
        CopyFileW(BesideThisProgram(name).c_str(), (path_ + name).c_str(), FALSE);
}

ProgramFolder::~ProgramFolder() {
    MakeWritable();
    RemoveTree(path_);
}

bool ProgramFolder::MakeReadOnly() {
    std::string unix = UnixName(path_);
    // chmod stops an ordinary user; root passes it, but not the immutable flag.
    RunUnixShell("chmod a-w '" + unix + "'; chattr +i '" + unix + "' 2>/dev/null");
    return WaitUntil([&] { return !CanCreateFileIn(path_); });
}

bool ProgramFolder::MakeWritable() {
    if (CanCreateFileIn(path_))
        return true;
    std::string unix = UnixName(path_);
    RunUnixShell("chattr -i '" + unix + "' 2>/dev/null; chmod u+w '" + unix + "'");
    return WaitUntil([&] { return CanCreateFileIn(path_); });
}

StartedProgram::StartedProgram(const std::wstring& exe) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + exe + L"\" ignored-argument";
    started_ = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process_);
}

StartedProgram::~StartedProgram() {
    if (!started_)
        return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::optional<DWORD> StartedProgram::ExitCode() const {
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 1;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

namespace {

struct Search {
    DWORD process;
    const wchar_t* title;
    bool mustBeVisible;
    const wchar_t* className;
    HWND found;
};

} // namespace

HWND FindProcessWindow(DWORD process, const wchar_t* title, bool mustBeVisible,
                       const wchar_t* className) {
    Search search{process, title, mustBeVisible, className, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            wchar_t text[64] = {};
            GetWindowTextW(w, text, 64);
            wchar_t cls[64] = {};
            GetClassNameW(w, cls, 64);
            if (owner == s->process && (IsWindowVisible(w) || !s->mustBeVisible) &&
                (!s->title || std::wstring(text) == s->title) &&
                (!s->className || std::wstring(cls) == s->className)) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD process, const wchar_t* title) {
    for (int i = 0; i < 200; ++i) {
        if (HWND found = FindProcessWindow(process, title, true))
            return found;
        Sleep(100);
    }
    return nullptr;
}

HWND WaitForMessageBox(DWORD process) {
    for (int i = 0; i < 100; ++i) {
        if (HWND found = FindProcessWindow(process, nullptr, true, L"#32770"))
            return found;
        Sleep(100);
    }
    return nullptr;
}

namespace {

struct ChildSearch {
    std::function<bool(HWND)> matches;
    HWND found = nullptr;
};

HWND FindChild(HWND parent, std::function<bool(HWND)> matches) {
    ChildSearch search{std::move(matches)};
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<ChildSearch*>(p);
            if (!s->matches(w))
                return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

HWND FindChildOfClass(HWND parent, const wchar_t* className) {
    return FindChild(parent, [&](HWND w) {
        wchar_t cls[64] = {};
        GetClassNameW(w, cls, 64);
        return _wcsicmp(cls, className) == 0;
    });
}

HWND FindChildWithText(HWND parent, const std::wstring& text) {
    return FindChild(parent, [&](HWND w) { return TextOf(w) == text; });
}

std::wstring TextOf(HWND window) {
    std::vector<wchar_t> text(1024);
    LRESULT length =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::wstring(text.data(), static_cast<std::size_t>(length));
}

// The item and its text travel in the memory of the tab control's process.
std::wstring TabText(HWND tabs, int index) {
    struct Remote {
        TCITEMW item;
        wchar_t text[64];
    };
    DWORD id = 0;
    GetWindowThreadProcessId(tabs, &id);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (!process)
        return {};
    auto* remote = static_cast<Remote*>(
        VirtualAllocEx(process, nullptr, sizeof(Remote), MEM_COMMIT, PAGE_READWRITE));
    Remote local{};
    local.item.mask = TCIF_TEXT;
    local.item.pszText = remote->text;
    local.item.cchTextMax = 64;
    WriteProcessMemory(process, remote, &local, sizeof local, nullptr);
    SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&remote->item));
    ReadProcessMemory(process, remote, &local, sizeof local, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    local.text[63] = 0;
    return local.text;
}

bool WaitForText(const std::function<std::wstring()>& read, const std::wstring& text) {
    return WaitUntil([&] { return read() == text; });
}

std::optional<std::string> FileBytes(const std::wstring& name) {
    FILE* file = _wfopen(name.c_str(), L"rb");
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    for (std::size_t read; (read = fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, read);
    fclose(file);
    return bytes;
}
