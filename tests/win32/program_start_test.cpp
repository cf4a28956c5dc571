// sorvanto.exe itself: it starts, shows its main window on the About tab, and ends with
// exit code 0 when that window is closed. A picture of the window is kept beside the tests.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

struct Search {
    DWORD process;
    const wchar_t* title;
    HWND found;
};

// The visible top-level window of a process with the given title, waiting up to 20 s.
HWND WaitForWindow(DWORD process, const wchar_t* title) {
    for (int i = 0; i < 200; ++i) {
        Search search{process, title, nullptr};
        EnumWindows(
            [](HWND w, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                wchar_t text[64] = {};
                GetWindowTextW(w, text, 64);
                if (owner == s->process && IsWindowVisible(w) && std::wstring(text) == s->title) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(100);
    }
    return nullptr;
}

// Writes what the screen shows of a window as a 24-bit BMP file.
void SaveScreenshot(HWND window, const std::wstring& file) {
    RECT r;
    GetWindowRect(window, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{sizeof(info), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    int stride = (w * 3 + 3) & ~3;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * h);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    BITMAPFILEHEADER header{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(info)};
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    if (FILE* f = _wfopen(file.c_str(), L"wb")) {
        fwrite(&header, sizeof(header), 1, f);
        fwrite(&info, sizeof(info), 1, f);
        fwrite(pixels.data(), 1, pixels.size(), f);
        fclose(f);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST(ProgramStart, ShowsTheMainWindowOnTheAboutTabAndEndsWithZero) {
    // No stored password: the program opens straight on its main window.
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\SRVT");
    std::wstring exe = BesideThisProgram(L"sorvanto.exe");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + exe + L"\" ignored-argument";
    ASSERT_TRUE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));

    HWND main = WaitForWindow(process.dwProcessId, L"Sorvanto");
    ASSERT_NE(main, nullptr);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 612);
    EXPECT_EQ(client.bottom, 393);
    HWND tabs = FindWindowExW(main, nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 10);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 9);
    Sleep(300);
    SaveScreenshot(main, BesideThisProgram(L"sorvanto-start.bmp"));

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace
