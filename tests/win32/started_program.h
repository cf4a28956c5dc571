#pragma once
// sorvanto.exe as a user starts it: a copy in a scratch folder of its own, with the language
// files a test wants beside it, so that whatever the program leaves beside itself (its index
// file) goes away with the folder and never reaches the build's own copy. Helpers find the
// windows of the started process and read what they show.
#include "platform/win32/windows_api.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

// A file beside the running test exe.
std::wstring BesideThisProgram(const wchar_t* name);

class ProgramFolder {
public:
    // Copies sorvanto.exe and the named files from beside the test exe.
    explicit ProgramFolder(std::initializer_list<const wchar_t*> besideTheProgram = {});
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring Exe() const { return path_ + L"sorvanto.exe"; }
    // Lets no process create files in the folder, or again any; false when the system would
    // not. Under Wine only the Unix side can refuse writes, so the Unix tools do it.
    bool MakeReadOnly();
    bool MakeWritable();

private:
    std::wstring path_;
};

// A started sorvanto.exe, ended by the test if it is still running.
class StartedProgram {
public:
    explicit StartedProgram(const std::wstring& exe);
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    bool Started() const { return started_; }
    DWORD Id() const { return process_.dwProcessId; }
    // The exit code once the process has ended within 10 s; nothing if it still runs.
    std::optional<DWORD> ExitCode() const;

private:
    bool started_ = false;
    PROCESS_INFORMATION process_{};
};

// The top-level window of a process with the given title (any title for null); only a
// visible one when asked.
HWND FindProcessWindow(DWORD process, const wchar_t* title, bool mustBeVisible,
                       const wchar_t* className = nullptr);
// The visible top-level window of a process with the given title, waiting up to 20 s.
HWND WaitForWindow(DWORD process, const wchar_t* title);
// A message box of the process, waiting up to 10 s.
HWND WaitForMessageBox(DWORD process);
// The first child window, at any depth, of a window class.
HWND FindChildOfClass(HWND parent, const wchar_t* className);
// The first child window, at any depth, showing a text.
HWND FindChildWithText(HWND parent, const std::wstring& text);
// A window's text, also of another process's window.
std::wstring TextOf(HWND window);
// The caption of a tab of a tab control, also of another process's.
std::wstring TabText(HWND tabs, int index);
// Waits up to 10 s until a window shows a text; true when it does.
bool WaitForText(const std::function<std::wstring()>& read, const std::wstring& text);
// The bytes of a file, or nothing when it cannot be read.
std::optional<std::string> FileBytes(const std::wstring& name);
