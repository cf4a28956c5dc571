// The real main window, in-process: its client size, its tabs, the bottom row and the kind
// of window each setting gets.
#include "tests/support/fake_platform.h"

#include "i18n/message_texts.h"
#include "mainwindow/form1.h"
#include "platform/application.h"
#include "platform/win32/control_window.h"
#include "platform/win32/window_system.h"

#include "platform/win32/windows_api.h"
#include <gtest/gtest.h>

#include <string>

namespace {

class MainWindowWin32Test : public testing::Test {
protected:
    void SetUp() override {
        form = app.CreateForm<TForm1>(texts);
        form->Show();
        for (int round = 0; round < 3; ++round) {
            windows.ProcessMessages(app);
            Sleep(10);
        }
    }
    HWND Window(const char* name) const { return WindowOf(FindAs<TControl>(*form, name)); }
    // A control's window rectangle in the client coordinates of the main window.
    RECT PlaceOf(const char* name) const {
        RECT r;
        GetWindowRect(Window(name), &r);
        MapWindowPoints(nullptr, WindowOf(*form), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    FakePlatform fakes;
    Win32WindowSystem windows{GetModuleHandleW(nullptr)};
    TApplication app{fakes.Replace(windows).Services()};
    MessageTexts texts;
    TForm1* form = nullptr;
};

TEST_F(MainWindowWin32Test, TheClientAreaIs612By393) {
    RECT client;
    GetClientRect(WindowOf(*form), &client);
    EXPECT_EQ(client.right - client.left, 612);
    EXPECT_EQ(client.bottom - client.top, 393);
}

TEST_F(MainWindowWin32Test, TenTabsOpenOnTheAboutTab) {
    HWND tabs = Window("PageControl1");
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 10);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 9);
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(tabs, TCM_GETITEMW, 8, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(text), L"Dodaj / Usuń");
    SendMessageW(tabs, TCM_GETITEMW, 9, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(text), L"O programie");
    EXPECT_TRUE(IsWindowVisible(Window("OProgramie")));
    EXPECT_FALSE(IsWindowVisible(Window("MenuStart")));
}

TEST_F(MainWindowWin32Test, TheBottomRowStandsWhereTheWindowPutsIt) {
    struct Place {
        const char* name;
        int left, top;
    } const row[] = {{"CloseButton", 528, 365},       {"OdczytajButton", 448, 365},
                     {"ZastosujButton", 368, 365},    {"SaveProfileButton", 276, 365},
                     {"OpenProfileButton", 196, 365}, {"Label15", 4, 364}};
    for (const auto& [name, left, top] : row) {
        RECT r = PlaceOf(name);
        EXPECT_EQ(r.left, left) << name;
        EXPECT_EQ(r.top, top) << name;
    }
    RECT close = PlaceOf("CloseButton");
    EXPECT_EQ(close.right - close.left, 80);
    EXPECT_EQ(close.bottom - close.top, 24);
    EXPECT_FALSE(IsWindowVisible(Window("SaveStrings")));
    EXPECT_FALSE(IsWindowEnabled(Window("ZastosujButton")));
}

TEST_F(MainWindowWin32Test, ASettingCheckBoxIsARealCheckBox) {
    HWND box = Window("BoxNoRun");
    wchar_t cls[32] = {};
    GetClassNameW(box, cls, 32);
    EXPECT_EQ(_wcsicmp(cls, L"Button"), 0);
    EXPECT_EQ(GetWindowLongW(box, GWL_STYLE) & BS_TYPEMASK, BS_CHECKBOX);
    wchar_t caption[64] = {};
    GetWindowTextW(box, caption, 64);
    EXPECT_EQ(std::wstring(caption), L"Ukryj funkcję 'Uruchom'");
}

} // namespace
