// sorvanto.exe itself: it starts, shows its main window on the About tab, and ends with
// exit code 0 when that window is closed; with a stored password it first asks for it.
// It runs from a folder of its own without language files, so in its built-in texts.
// A picture of the window is kept beside the tests.
#include "tests/win32/started_program.h"

#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

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

void StorePassword(const wchar_t* password) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\SRVT\\SRVT", 0, nullptr, 0, KEY_WRITE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    DWORD bytes = static_cast<DWORD>((wcslen(password) + 1) * sizeof(wchar_t));
    RegSetValueExW(key, L"Password", 0, REG_SZ, reinterpret_cast<const BYTE*>(password), bytes);
    RegCloseKey(key);
}

// Types into a window as the keyboard does once the event loop has translated the keys
// (a character message for each letter), then presses Enter.
void TypeAndPressEnter(HWND window, const std::wstring& text) {
    for (wchar_t c : text)
        PostMessageW(window, WM_CHAR, c, 1);
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(window, WM_KEYUP, VK_RETURN, 0xC0000001);
}

class ProgramStart : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\SRVT"); }
    void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\SRVT"); }
};

TEST_F(ProgramStart, ShowsTheMainWindowOnTheAboutTabAndEndsWithZero) {
    // No stored password: the program opens straight on its main window.
    ProgramFolder folder;
    StartedProgram program(folder.Exe());
    ASSERT_TRUE(program.Started());

    HWND main = WaitForWindow(program.Id(), L"Sorvanto");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(FindProcessWindow(program.Id(), L"Password", false), nullptr);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 612);
    EXPECT_EQ(client.bottom, 393);
    HWND tabs = FindWindowExW(main, nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 10);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 9);
    EXPECT_EQ(TabText(tabs, 9), L"O programie");
    Sleep(300);
    SaveScreenshot(main, BesideThisProgram(L"sorvanto-start.bmp"));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitCode(), 0u);
}

// A start with a stored password, up to the password window with its edit.
class LockedStart : public ProgramStart {
protected:
    void SetUp() override {
        ProgramStart::SetUp();
        StorePassword(L"Tajne");
        program = std::make_unique<StartedProgram>(folder.Exe());
        ASSERT_TRUE(program->Started());
        password = WaitForWindow(program->Id(), L"Password");
        ASSERT_NE(password, nullptr);
        edit = FindWindowExW(password, nullptr, L"Edit", nullptr);
        ASSERT_NE(edit, nullptr);
    }

    ProgramFolder folder;
    std::unique_ptr<StartedProgram> program;
    HWND password = nullptr;
    HWND edit = nullptr;
};

TEST_F(LockedStart, AsksOnTopOfTheHiddenMainWindowAndTheRightPasswordShowsIt) {
    EXPECT_TRUE(GetWindowLongW(password, GWL_EXSTYLE) & WS_EX_TOPMOST);
    HWND main = FindProcessWindow(program->Id(), L"Sorvanto", false);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));

    TypeAndPressEnter(edit, L"Tajne");
    ASSERT_EQ(WaitForWindow(program->Id(), L"Sorvanto"), main);
    // The password window hides right after it has shown the main window.
    for (int i = 0; i < 100 && IsWindowVisible(password); ++i)
        Sleep(100);
    EXPECT_FALSE(IsWindowVisible(password));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->ExitCode(), 0u);
}

TEST_F(LockedStart, AWrongPasswordEndsTheProgramWithoutAWord) {
    // Differs only in the case of one letter. A message box would hold the process open.
    TypeAndPressEnter(edit, L"tajne");
    EXPECT_EQ(program->ExitCode(), 0u);
}

} // namespace
