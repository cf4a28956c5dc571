// Drives a running sorvanto.exe for the screenshot script:
//   screenshot_helper wait      waits (up to 20 s) until the main window is visible
//   screenshot_helper rect      prints the main window's rectangle as WxH+X+Y
//   screenshot_helper tab N     brings tab N to the front, as the arrow keys would
//   screenshot_helper close     asks the main window to close
#include "platform/win32/windows_api.h"

#include <cstdio>
#include <cwchar>

namespace {

HWND MainWindow() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND w, LPARAM out) -> BOOL {
            wchar_t title[64] = {};
            GetWindowTextW(w, title, 64);
            if (IsWindowVisible(w) && std::wcscmp(title, L"Sorvanto") == 0) {
                *reinterpret_cast<HWND*>(out) = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND TabControl(HWND main) {
    return FindWindowExW(main, nullptr, WC_TABCONTROLW, nullptr);
}

int SelectTab(HWND main, int index) {
    HWND tabs = TabControl(main);
    if (!tabs)
        return 1;
    for (int guard = 0; guard < 20; ++guard) {
        int current = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
        if (current == index)
            return 0;
        WPARAM key = current < index ? VK_RIGHT : VK_LEFT;
        SendMessageW(tabs, WM_KEYDOWN, key, 0);
        SendMessageW(tabs, WM_KEYUP, key, 0);
    }
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    if (std::wcscmp(argv[1], L"wait") == 0) {
        for (int i = 0; i < 200; ++i) {
            if (MainWindow())
                return 0;
            Sleep(100);
        }
        return 1;
    }
    HWND main = MainWindow();
    if (!main)
        return 1;
    if (std::wcscmp(argv[1], L"rect") == 0) {
        RECT r;
        GetWindowRect(main, &r);
        std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
        return 0;
    }
    if (std::wcscmp(argv[1], L"tab") == 0 && argc == 3)
        return SelectTab(main, _wtoi(argv[2]));
    if (std::wcscmp(argv[1], L"close") == 0) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        return 0;
    }
    return 2;
}
