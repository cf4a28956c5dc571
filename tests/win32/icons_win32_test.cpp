// The "Ikony" tab of the real main window under Wine: its list drawn with the icons of the
// prefix, Default and Apply on the real registry, and the icon picker driven through its
// real dialog. What a test changes in the registry and on the disk is put back afterwards.
// The fakes come before <windows.h>, whose macros would rename their methods.
#include "tests/support/fake_platform.h"

#include "i18n/message_texts.h"
#include "icons/shell_icons.h"
#include "mainwindow/form1.h"
#include "platform/application.h"
#include "platform/page_control.h"
#include "platform/win32/control_window.h"
#include "platform/win32/file_dialogs.h"
#include "platform/win32/icons.h"
#include "platform/win32/registry_roots.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_system.h"
#include "settings/catalogue.h"
#include "settings/change_tracker.h"
#include "tests/win32/registry_keys.h"

#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

const std::wstring MyComputer = L"CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
const std::wstring PerUserMyComputer = L"Software\\Classes\\" + MyComputer;
const std::wstring ShellIconsTable =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";

std::optional<std::wstring> ReadText(HKEY root, const std::wstring& path,
                                     const std::wstring& name) {
    wchar_t text[1024];
    DWORD size = sizeof text;
    if (RegGetValueW(root, path.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_REG_SZ,
                     nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text);
}

void WriteText(HKEY root, const std::wstring& path, const std::wstring& name,
               const std::wstring& text) {
    RegSetKeyValueW(root, path.c_str(), name.empty() ? nullptr : name.c_str(), REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// Every key a test here may create or delete is taken away and put back whole afterwards:
// a copy of each one that existed, under a key of its own, is copied back.
class KeysRestorer {
public:
    explicit KeysRestorer(std::vector<std::pair<HKEY, std::wstring>> keys)
        : keys_(std::move(keys)) {
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            auto [root, path] = keys_[i];
            if (!KeyThere(root, path))
                continue;
            HKEY copy = nullptr;
            RegCreateKeyExW(HKEY_CURRENT_USER, Saved(i).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &copy, nullptr);
            RegCopyTreeW(root, path.c_str(), copy);
            RegCloseKey(copy);
        }
    }
    ~KeysRestorer() {
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            auto [root, path] = keys_[i];
            RegDeleteTreeW(root, path.c_str());
            if (!KeyThere(HKEY_CURRENT_USER, Saved(i)))
                continue;
            HKEY key = nullptr;
            RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr);
            RegCopyTreeW(HKEY_CURRENT_USER, Saved(i).c_str(), key);
            RegCloseKey(key);
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, SavedRoot);
    }

private:
    static constexpr const wchar_t* SavedRoot = L"Software\\SorvantoTestSaved";
    static std::wstring Saved(std::size_t i) {
        return std::wstring(SavedRoot) + L"\\" + std::to_wstring(i);
    }
    std::vector<std::pair<HKEY, std::wstring>> keys_;
};

// Apply opens the keys of the settings with creation: those missing now go again.
class SettingKeysRestorer {
public:
    SettingKeysRestorer() {
        for (const SettingRow& row : Catalogue())
            for (const std::string* key : {&row.key, &row.secondKey})
                if (!key->empty())
                    NoteFirstMissing(PredefinedKey(row.root), Wide(*key));
    }
    ~SettingKeysRestorer() {
        for (const auto& [root, path] : missing_)
            RegDeleteTreeW(root, path.c_str());
    }

private:
    void NoteFirstMissing(HKEY root, const std::wstring& path) {
        for (std::size_t at = path.find(L'\\');; at = path.find(L'\\', at + 1)) {
            std::wstring prefix = path.substr(0, at);
            if (!KeyThere(root, prefix)) {
                missing_.insert({root, prefix});
                return;
            }
            if (at == std::wstring::npos)
                return;
        }
    }
    std::set<std::pair<HKEY, std::wstring>> missing_;
};

// Checks a condition every 20 ms for up to 10 s.
bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 500; ++i) {
        if (condition())
            return true;
        Sleep(20);
    }
    return condition();
}

HWND FindChild(HWND parent, const std::function<bool(HWND)>& wanted) {
    struct Search {
        const std::function<bool(HWND)>& wanted;
        HWND found = nullptr;
    } search{wanted};
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM l) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(l);
            if (!s.wanted(window))
                return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The 32 x 32 pixels at a point of a window's client area, as the screen shows them.
std::vector<std::uint32_t> Pixels(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 32;
    info.bmiHeader.biHeight = -32;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, 32, 32, dc, x, y, SRCCOPY);
    GdiFlush();
    const auto* pixel = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < 32 * 32; ++i)
        pixels.push_back(pixel[i] & 0xFFFFFF);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return pixels;
}

// An icon as DrawIconEx paints it on a system colour.
std::vector<std::uint32_t> Painted(HICON icon, int background = COLOR_WINDOW) {
    HWND scratch = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                   40, 40, nullptr, nullptr, nullptr, nullptr);
    HDC dc = GetDC(scratch);
    RECT all{0, 0, 40, 40};
    FillRect(dc, &all, GetSysColorBrush(background));
    DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    ReleaseDC(scratch, dc);
    std::vector<std::uint32_t> pixels = Pixels(scratch, 0, 0);
    DestroyWindow(scratch);
    return pixels;
}

// The user of the icon picker, in a thread of its own while the main thread runs the dialog's
// modal loop. Each step waits until the dialog is ready for it; what went wrong is kept for
// the test to report.
class PickerUser {
public:
    explicit PickerUser(HWND owner) : owner_(owner) {}

    bool Opened() {
        bool found = WaitFor([this] {
            dialog_ = FindDialog();
            strip_ = dialog_ ? FindChild(dialog_, [](HWND w) { return GetDlgCtrlID(w) == 101; })
                             : nullptr;
            return strip_ != nullptr;
        });
        if (!found)
            problems.push_back("the picker did not open");
        return found;
    }
    // Selects a file in the dialog's list of the current folder.
    void Select(const std::wstring& name) {
        HWND view = FindChild(dialog_, [](HWND w) { return ClassName(w) == L"SysListView32"; });
        LVFINDINFOW find{};
        find.flags = LVFI_STRING;
        find.psz = name.c_str();
        int index = -1;
        if (!view || !WaitFor([&] {
                index = static_cast<int>(SendMessageW(view, LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                                      reinterpret_cast<LPARAM>(&find)));
                return index >= 0;
            })) {
            problems.push_back("no item " + Narrow(name) + " in the dialog's list");
            return;
        }
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(view, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(&item));
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(view, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
    }
    bool WaitForCells(int count) {
        if (WaitFor([&] { return SendMessageW(strip_, LB_GETCOUNT, 0, 0) == count; }))
            return true;
        problems.push_back("the strip did not get " + std::to_string(count) + " cells, but " +
                           std::to_string(SendMessageW(strip_, LB_GETCOUNT, 0, 0)));
        return false;
    }
    void ClickCell(int cell) {
        LPARAM at = CellCentre(cell);
        SendMessageW(strip_, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(strip_, WM_LBUTTONUP, 0, at);
    }
    void DoubleClickCell(int cell) {
        LPARAM at = CellCentre(cell);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            PostMessageW(strip_, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    }
    // Types a name into the dialog's file name box: the edit edt1 (0x480) of this dialog,
    // or the edit inside the combo box cmb13 (0x47c) of the resizable one.
    void TypeName(const std::wstring& name) {
        HWND edit = FindChild(dialog_, [](HWND w) {
            int id = GetDlgCtrlID(w), parent = GetDlgCtrlID(GetParent(w));
            return ClassName(w) == L"Edit" && (id == 0x480 || parent == 0x47c);
        });
        if (!edit) {
            problems.push_back("no file name box");
            return;
        }
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    void PressOk() { PostMessageW(GetDlgItem(dialog_, IDOK), BM_CLICK, 0, 0); }
    void Cancel() { PostMessageW(dialog_, WM_COMMAND, IDCANCEL, 0); }
    bool StillOpen() {
        Sleep(300);
        return IsWindow(dialog_) && IsWindowVisible(dialog_);
    }
    bool Closed() {
        return WaitFor([this] { return !IsWindow(dialog_) || !IsWindowVisible(dialog_); });
    }

    std::vector<std::string> problems;

private:
    HWND FindDialog() const {
        struct Search {
            HWND owner;
            HWND found = nullptr;
        } search{owner_};
        EnumWindows(
            [](HWND window, LPARAM l) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(l);
                if (ClassName(window) != L"#32770" || !IsWindowVisible(window) ||
                    GetWindow(window, GW_OWNER) != s.owner)
                    return TRUE;
                s.found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    LPARAM CellCentre(int cell) const {
        RECT r{};
        SendMessageW(strip_, LB_GETITEMRECT, static_cast<WPARAM>(cell),
                     reinterpret_cast<LPARAM>(&r));
        return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    HWND owner_;
    HWND dialog_ = nullptr;
    HWND strip_ = nullptr;
};

class IconsWin32Test : public testing::Test {
protected:
    void OpenMainWindow() {
        form = app.CreateForm<TForm1>(texts);
        form->Show();
        SetForegroundWindow(WindowOf(*form));
        Pump();
        auto& list = FindAs<TControl>(*form, "IconsListBox");
        for (TControl* c = &list; c; c = c->Parent())
            if (auto* sheet = dynamic_cast<TTabSheet*>(c); sheet && sheet->PageControl())
                sheet->PageControl()->UserSelectTab(sheet->PageIndex());
        Pump();
    }
    void Pump() {
        for (int round = 0; round < 3; ++round) {
            windows.ProcessMessages(app);
            Sleep(10);
        }
        windows.ProcessMessages(app);
    }
    HWND Window(const char* name) { return WindowOf(FindAs<TControl>(*form, name)); }
    HWND List() { return Window("IconsListBox"); }
    RECT ItemRect(int item) {
        RECT r{};
        SendMessageW(List(), LB_GETITEMRECT, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // A click of the mouse on a slot of the list.
    void ClickSlot(int slot) {
        RECT r = ItemRect(slot);
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(List(), WM_LBUTTONUP, 0, at);
        Pump();
    }
    // A click of the mouse on a speed button, posted: the button may open a modal dialog.
    void Press(const char* button) {
        HWND window = Window(button);
        PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        Pump();
    }
    ShellIcons& Slots() { return form->IconsPart(); }
    // Opens the picker for a slot with "Z&mień" and lets `user` work it; a dialog the user
    // leaves open is cancelled.
    std::vector<std::string> Pick(int slot, const std::function<void(PickerUser&)>& steps) {
        ClickSlot(slot);
        PickerUser user(WindowOf(*form));
        std::thread driver([&] {
            if (user.Opened())
                steps(user);
            if (!user.Closed()) {
                user.problems.push_back("the picker stayed open");
                user.Cancel();
                user.Closed();
            }
        });
        Press("DisplayDialogButton");
        driver.join();
        Pump();
        return user.problems;
    }

    SettingKeysRestorer settingKeys;
    KeysRestorer restorer{{{HKEY_CLASSES_ROOT, MyComputer + L"\\DefaultIcon"},
                           {HKEY_CURRENT_USER, PerUserMyComputer},
                           {HKEY_LOCAL_MACHINE, ShellIconsTable}}};
    Win32RegistryStore registry;
    FakePlatform fakes;
    Win32Icons icons{GetModuleHandleW(nullptr)};
    Win32WindowSystem windows{GetModuleHandleW(nullptr)};
    Win32FileDialogs dialogs{GetModuleHandleW(nullptr)};
    MessageTexts texts;
    TApplication app{
        fakes.Replace(registry).Replace(icons).Replace(windows).Replace(dialogs).Services()};
    TForm1* form = nullptr;
};

TEST_F(IconsWin32Test, TheListShowsTheExtractedIconsOfTheSlots) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, ShellIconsTable.c_str());
    OpenMainWindow();
    ASSERT_EQ(SendMessageW(List(), LB_GETCOUNT, 0, 0), 39);
    HICON closedFolder = ExtractIconW(nullptr, L"shell32.dll", 3);
    HICON placeholder =
        static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, 32, 32, LR_SHARED));
    ASSERT_TRUE(closedFolder);
    RECT item = ItemRect(9);
    EXPECT_EQ(item.bottom - item.top, 34);
    EXPECT_EQ(item.right - item.left, 200);
    std::vector<std::uint32_t> shown = Pixels(List(), item.left + 1, item.top + 1);
    EXPECT_EQ(shown, Painted(closedFolder));
    EXPECT_NE(shown, Painted(placeholder));
    DestroyIcon(closedFolder);
    EXPECT_EQ(Slots().IconLocations[9], "shell32.dll,3");
}

TEST_F(IconsWin32Test, DefaultAndApplyWriteTheClassIconAndShellIconsAndDropThePerUserIcon) {
    WriteText(HKEY_CURRENT_USER, PerUserMyComputer + L"\\DefaultIcon", L"", L"C:\\old.ico,0");
    OpenMainWindow();
    ClickSlot(0);
    Press("DefaultButton");
    ASSERT_TRUE(Slots().IconChanged[0]);
    Press("ZastosujButton");
    EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, MyComputer + L"\\DefaultIcon", L""), L"shell32.dll,15");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, ShellIconsTable, L"15"), L"shell32.dll,15");
    EXPECT_FALSE(KeyThere(HKEY_CURRENT_USER, PerUserMyComputer + L"\\DefaultIcon"));
    EXPECT_TRUE(KeyThere(HKEY_CURRENT_USER, PerUserMyComputer));
    EXPECT_FALSE(Slots().IconChanged[0]);
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}

// The template as the program's resources hold it: the dialog, then its one control.
TEST(IconPickerTemplateTest, IsAChildDialogWithOneOwnerDrawnMultiColumnList) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, L"DIALOG_1", MAKEINTRESOURCEW(5));
    ASSERT_TRUE(found);
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(module, found)));
    const auto* dialog = reinterpret_cast<const DLGTEMPLATE*>(words);
    EXPECT_EQ(dialog->style, 0x54000040u);
    EXPECT_EQ(dialog->dwExtendedStyle, 0u);
    EXPECT_EQ(dialog->cdit, 1);
    EXPECT_EQ(std::vector<int>({dialog->x, dialog->y, dialog->cx, dialog->cy}),
              std::vector<int>({0, 0, 280, 100}));
    // No menu, no class, an empty caption, then the font.
    const WORD* at = words + sizeof(DLGTEMPLATE) / sizeof(WORD);
    EXPECT_EQ(std::vector<WORD>(at, at + 4), std::vector<WORD>({0, 0, 0, 8}));
    const auto* font = reinterpret_cast<const wchar_t*>(at + 4);
    EXPECT_EQ(std::wstring(font), L"MS Sans Serif");
    auto address = reinterpret_cast<std::uintptr_t>(font + wcslen(font) + 1);
    const auto* item = reinterpret_cast<const DLGITEMTEMPLATE*>((address + 3) & ~std::uintptr_t(3));
    EXPECT_EQ(item->style, 0x50911311u);
    EXPECT_EQ(item->id, 101);
    EXPECT_EQ(std::vector<int>({item->x, item->y, item->cx, item->cy}),
              std::vector<int>({4, 0, 272, 97}));
    // The predefined list box class, no text, no creation data.
    const auto* itemWords = reinterpret_cast<const WORD*>(item + 1);
    EXPECT_EQ(std::vector<WORD>(itemWords, itemWords + 4),
              std::vector<WORD>({0xFFFF, 0x0083, 0, 0}));
}

// Two libraries with icons in a folder of their own, which is the current folder, so the
// picker opens on it.
class IconPickerWin32Test : public IconsWin32Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"Sorvanto picker";
        CreateDirectoryW(folder.c_str(), nullptr);
        CopyFileW(L"C:\\windows\\system32\\comdlg32.dll", Path(L"library.dll").c_str(), FALSE);
        CopyFileW(L"C:\\windows\\system32\\user32.dll", Path(L"other.dll").c_str(), FALSE);
        GetCurrentDirectoryW(MAX_PATH, previousFolder);
        SetCurrentDirectoryW(folder.c_str());
        OpenMainWindow();
    }
    void TearDown() override {
        SetCurrentDirectoryW(previousFolder);
        DeleteFileW(Path(L"library.dll").c_str());
        DeleteFileW(Path(L"other.dll").c_str());
        RemoveDirectoryW(folder.c_str());
    }
    std::wstring Path(const std::wstring& name) const { return folder + L"\\" + name; }
    static int IconCount(const std::wstring& file) {
        return static_cast<int>(
            reinterpret_cast<UINT_PTR>(ExtractIconW(nullptr, file.c_str(), static_cast<UINT>(-1))));
    }
    // The slot's location names `file` (as the dialog spells the folder, letter case aside)
    // and `index`, and the slot is marked.
    void ExpectPicked(int slot, const std::wstring& file, int index) {
        std::string expected = Narrow(file) + "," + std::to_string(index);
        EXPECT_EQ(CompareStringOrdinal(Wide(Slots().IconLocations[slot]).c_str(), -1,
                                       Wide(expected).c_str(), -1, TRUE),
                  CSTR_EQUAL)
            << Slots().IconLocations[slot] << " is not " << expected;
        EXPECT_TRUE(Slots().IconChanged[slot]);
        EXPECT_EQ(form->Changes().ChangeCount(), 1);
    }

    std::wstring folder;
    wchar_t previousFolder[MAX_PATH] = {};
};

TEST_F(IconPickerWin32Test, ACellChosenAndConfirmedBecomesTheSlotsIcon) {
    int cells = IconCount(Path(L"library.dll"));
    ASSERT_GT(cells, 4);
    auto problems = Pick(9, [&](PickerUser& user) {
        user.Select(L"library.dll");
        if (!user.WaitForCells(cells))
            return;
        user.ClickCell(3);
        user.PressOk();
    });
    EXPECT_EQ(problems, std::vector<std::string>());
    ExpectPicked(9, Path(L"library.dll"), 3);
    HICON chosen = ExtractIconW(nullptr, Path(L"library.dll").c_str(), 3);
    RECT item = ItemRect(9);
    InvalidateRect(List(), nullptr, TRUE);
    UpdateWindow(List());
    // The slot stays selected.
    EXPECT_EQ(Pixels(List(), item.left + 1, item.top + 1), Painted(chosen, COLOR_HIGHLIGHT));
    DestroyIcon(chosen);
}

TEST_F(IconPickerWin32Test, ADoubleClickOnACellConfirmsIt) {
    int cells = IconCount(Path(L"other.dll"));
    ASSERT_GT(cells, 4);
    auto problems = Pick(2, [&](PickerUser& user) {
        user.Select(L"other.dll");
        if (user.WaitForCells(cells))
            user.DoubleClickCell(4);
    });
    EXPECT_EQ(problems, std::vector<std::string>());
    ExpectPicked(2, Path(L"other.dll"), 4);
}

// A typed name that the strip does not show: the first OK fills the strip with that file's
// icons and leaves the dialog open.
TEST_F(IconPickerWin32Test, ATypedFileNameFillsTheStripFirst) {
    int libraryCells = IconCount(Path(L"library.dll"));
    int otherCells = IconCount(Path(L"other.dll"));
    ASSERT_NE(libraryCells, otherCells);
    auto problems = Pick(5, [&](PickerUser& user) {
        user.Select(L"library.dll");
        if (!user.WaitForCells(libraryCells))
            return;
        user.ClickCell(2);
        user.TypeName(Path(L"other.dll"));
        user.PressOk();
        if (!user.WaitForCells(otherCells))
            return;
        if (!user.StillOpen())
            user.problems.push_back("the first OK closed the picker");
        user.ClickCell(1);
        user.PressOk();
    });
    EXPECT_EQ(problems, std::vector<std::string>());
    ExpectPicked(5, Path(L"other.dll"), 1);
}

} // namespace
