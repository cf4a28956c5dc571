// The installed programs of the real main window under Wine: entries put in the three places
// of the real registry, chosen and acted on through window messages, the removal's question
// answered in the real message box, and a real stand-in uninstaller started. The entries
// are taken out again, with every key made for them, since the whole test run shares the
// prefix.
#include "tests/support/fake_platform.h"

#include "i18n/message_texts.h"
#include "mainwindow/form1.h"
#include "platform/application.h"
#include "platform/list_box.h"
#include "platform/page_control.h"
#include "platform/win32/control_window.h"
#include "platform/win32/icons.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/processes.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_system.h"
#include "programs/installed_programs.h"

#include "platform/win32/windows_api.h"
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

const std::wstring UninstallPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
// What the 64-bit view calls the 32-bit view's uninstall key.
const std::wstring Uninstall32In64 =
    L"Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
// Every display name a test puts in ends so, to tell them from the prefix's own entries.
const std::wstring Marker = L" (Sorvanto test)";

struct Place {
    HKEY root;
    REGSAM view;
};
// HKEY_CURRENT_USER is never opened in the 32-bit view: a key created there would make Wine
// redirect its Software for every later test.
const Place Machine64{HKEY_LOCAL_MACHINE, 0};
const Place Machine32{HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY};
const Place User{HKEY_CURRENT_USER, 0};

bool KeyThere(Place place, const std::wstring& path) {
    HKEY key;
    if (RegOpenKeyExW(place.root, path.c_str(), 0, KEY_READ | place.view, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void SetText(HKEY key, const wchar_t* name, const std::wstring& text) {
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// Deletes `name` below `parent` with everything under it, in the place's view.
void DeleteTree(Place place, const std::wstring& parent, const std::wstring& name) {
    HKEY key;
    if (RegOpenKeyExW(place.root, parent.c_str(), 0, KEY_ALL_ACCESS | place.view, &key) !=
        ERROR_SUCCESS)
        return;
    RegDeleteTreeW(key, name.c_str());
    RegCloseKey(key);
}

// Uninstall entries put in for one test, each with a sub-key "Parts" so that a removal has
// more than one key to take, and taken out again with every key created for them.
class SeededEntries {
public:
    SeededEntries() = default;
    SeededEntries(const SeededEntries&) = delete;
    SeededEntries& operator=(const SeededEntries&) = delete;
    ~SeededEntries() {
        for (const auto& [place, name] : entries_)
            DeleteTree(place, UninstallPath, name);
        for (const auto& [place, path] : created_) {
            std::size_t last = path.find_last_of(L'\\');
            DeleteTree(place, path.substr(0, last), path.substr(last + 1));
        }
    }

    void Put(Place place, const std::wstring& key, const std::wstring& displayName,
             const std::wstring& command) {
        NoteFirstMissing(place);
        entries_.push_back({place, key});
        HKEY entry;
        ASSERT_EQ(RegCreateKeyExW(place.root, (UninstallPath + L"\\" + key + L"\\Parts").c_str(), 0,
                                  nullptr, 0, KEY_WRITE | place.view, nullptr, &entry, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(entry);
        ASSERT_EQ(RegOpenKeyExW(place.root, (UninstallPath + L"\\" + key).c_str(), 0,
                                KEY_WRITE | place.view, &entry),
                  ERROR_SUCCESS);
        SetText(entry, L"DisplayName", displayName);
        SetText(entry, L"UninstallString", command);
        RegCloseKey(entry);
    }

private:
    void NoteFirstMissing(Place place) {
        for (std::size_t at = UninstallPath.find(L'\\');; at = UninstallPath.find(L'\\', at + 1)) {
            std::wstring prefix = UninstallPath.substr(0, at);
            if (!KeyThere(place, prefix)) {
                created_.push_back({place, prefix});
                return;
            }
            if (at == std::wstring::npos)
                return;
        }
    }

    std::vector<std::pair<Place, std::wstring>> entries_;
    std::vector<std::pair<Place, std::wstring>> created_;
};

// Answers this process's message boxes from a thread of its own, while the window's thread
// runs each box's modal loop, and notes each box as "caption|text|buttons". Boxes beyond
// the scripted answers are noted too and answered No, OK or Cancel, so a test that shows
// one too many fails instead of hanging.
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::vector<int> answers)
        : answers_(std::move(answers)), thread_([this] { Answer(); }) {}
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    ~BoxAnswerer() { Stop(); }

    // The boxes noted, once the answering has stopped.
    std::vector<std::wstring> Shown() {
        Stop();
        return shown_;
    }

private:
    void Stop() {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    void Answer() {
        std::size_t next = 0;
        while (!stop_) {
            HWND box = VisibleBox();
            if (!box) {
                Sleep(10);
                continue;
            }
            shown_.push_back(Describe(box));
            int answer = next < answers_.size() ? answers_[next++] : Fallback(box);
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
            for (int i = 0; i < 500 && IsWindow(box); ++i)
                Sleep(10);
        }
    }
    static HWND VisibleBox() {
        HWND found = nullptr;
        EnumWindows(
            [](HWND w, LPARAM out) -> BOOL {
                DWORD process = 0;
                GetWindowThreadProcessId(w, &process);
                wchar_t cls[16] = {};
                GetClassNameW(w, cls, 16);
                if (process == GetCurrentProcessId() && IsWindowVisible(w) &&
                    std::wstring(cls) == L"#32770") {
                    *reinterpret_cast<HWND*>(out) = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }
    static bool HasButton(HWND box, int id) {
        HWND button = GetDlgItem(box, id);
        return button && IsWindowVisible(button);
    }
    static int Fallback(HWND box) {
        return HasButton(box, IDNO) ? IDNO : HasButton(box, IDOK) ? IDOK : IDCANCEL;
    }
    static std::wstring Describe(HWND box) {
        wchar_t caption[128] = {}, text[512] = {};
        GetWindowTextW(box, caption, 128);
        GetDlgItemTextW(box, 0xFFFF, text, 512);
        std::wstring buttons;
        for (auto [id, name] : {std::pair{IDOK, L" ok"}, std::pair{IDCANCEL, L" cancel"},
                                std::pair{IDYES, L" yes"}, std::pair{IDNO, L" no"}})
            if (HasButton(box, id))
                buttons += name;
        return std::wstring(caption) + L"|" + text + L"|" + buttons;
    }

    std::vector<int> answers_;
    std::vector<std::wstring> shown_;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

// The lines of a UTF-16 file once it exists, waiting up to 20 s for it.
std::vector<std::wstring> WaitForLines(const std::wstring& file) {
    for (int i = 0; i < 200 && GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(100);
    std::vector<std::wstring> lines;
    FILE* f = _wfopen(file.c_str(), L"rb");
    if (!f)
        return lines;
    std::wstring text;
    wchar_t unit;
    while (std::fread(&unit, sizeof unit, 1, f) == 1)
        text += unit;
    std::fclose(f);
    for (std::size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos;
         start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

class InstalledProgramsWin32Test : public testing::Test {
protected:
    // The window on the real registry, with real windows, on the "Dodaj / Usuń" tab.
    void OpenMainWindow() {
        app = std::make_unique<TApplication>(
            fakes.Replace(registry).Replace(icons).Replace(windows).Services());
        form = app->CreateForm<TForm1>(texts);
        form->Show();
        SetForegroundWindow(WindowOf(*form));
        auto& sheet = FindAs<TTabSheet>(*form, "AddRemove");
        sheet.PageControl()->UserSelectTab(sheet.PageIndex());
        Pump();
    }
    void Pump() {
        for (int round = 0; round < 3; ++round) {
            windows.ProcessMessages(*app);
            Sleep(10);
        }
        windows.ProcessMessages(*app);
    }
    HWND List() const { return WindowOf(FindAs<TListBox>(*form, "AddRemoveListBox")); }
    std::vector<std::wstring> WindowItems() const {
        std::vector<std::wstring> items;
        int count = static_cast<int>(SendMessageW(List(), LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            std::wstring text(SendMessageW(List(), LB_GETTEXTLEN, i, 0), L'\0');
            SendMessageW(List(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            items.push_back(text);
        }
        return items;
    }
    // The items this test put in, in the window's order.
    std::vector<std::wstring> TestItems() const {
        std::vector<std::wstring> ours;
        for (const std::wstring& item : WindowItems())
            if (item.ends_with(Marker))
                ours.push_back(item.substr(0, item.size() - Marker.size()));
        return ours;
    }
    // The user clicks the item with this display name (without the marker).
    void Select(const std::wstring& name) {
        std::wstring item = name + Marker;
        auto index = SendMessageW(List(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(item.c_str()));
        ASSERT_NE(index, LB_ERR) << Narrow(item);
        SendMessageW(List(), LB_SETCURSEL, index, 0);
        SendMessageW(GetParent(List()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(List()), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(List()));
        Pump();
        ASSERT_EQ(FindAs<TListBox>(*form, "AddRemoveListBox").ItemIndex(), index);
    }
    // A click of the mouse on a speed button; it returns once the handler has.
    void Press(const char* button) {
        HWND window = WindowOf(FindAs<TControl>(*form, button));
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        Pump();
    }

    SeededEntries seeded;
    Win32RegistryStore registry;
    FakePlatform fakes;
    Win32Icons icons{GetModuleHandleW(nullptr)};
    Win32WindowSystem windows{GetModuleHandleW(nullptr)};
    MessageTexts texts;
    std::unique_ptr<TApplication> app;
    TForm1* form = nullptr;
};

TEST_F(InstalledProgramsWin32Test, EntriesOfAllThreePlacesAreListedInTheSystemsOrder) {
    // "Ł" sorts between "L" and "M" for the system, but after "Z" by its code.
    seeded.Put(Machine64, L"SorvantoTest-Zebra", L"Zebra" + Marker, L"zebra.exe");
    seeded.Put(Machine32, L"SorvantoTest-Lodz", L"Łódź" + Marker, L"lodz.exe");
    seeded.Put(User, L"SorvantoTest-Lama", L"Lama" + Marker, L"lama.exe");
    OpenMainWindow();

    EXPECT_EQ(TestItems(), (std::vector<std::wstring>{L"Lama", L"Łódź", L"Zebra"}));
    std::vector<std::wstring> model;
    for (const std::string& item : FindAs<TListBox>(*form, "AddRemoveListBox").Items())
        model.push_back(Wide(item));
    EXPECT_EQ(WindowItems(), model);
    for (const wchar_t* name : {L"Lama", L"Łódź", L"Zebra"}) {
        Select(name);
        Press("UninstallButton");
    }
    EXPECT_EQ(fakes.processes.started,
              (std::vector<std::u16string>{u"lama.exe", u"lodz.exe", u"zebra.exe"}));
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}

TEST_F(InstalledProgramsWin32Test, YesInTheRealBoxRemovesTheEntryFromItsOwnView) {
    const std::wstring key = L"SorvantoTest-Shared";
    seeded.Put(Machine64, key, L"Shared 64" + Marker, L"64.exe");
    seeded.Put(Machine32, key, L"Shared 32" + Marker, L"32.exe");
    ASSERT_TRUE(KeyThere(Machine64, Uninstall32In64 + L"\\" + key));
    Win32MessageBoxes boxes;
    fakes.Replace(boxes);
    OpenMainWindow();
    Select(L"Shared 32");

    BoxAnswerer answerer({IDYES, IDOK});
    Press("RemoveButton");

    EXPECT_EQ(answerer.Shown(),
              (std::vector<std::wstring>{
                  L"Uwaga!|Czy na pewno chcesz usunąć ten wpis z rejestru ?| yes no",
                  L"Uwaga!|Klucz został poprawnie usunięty z rejestru.| ok"}));
    EXPECT_FALSE(KeyThere(Machine32, UninstallPath + L"\\" + key));
    EXPECT_FALSE(KeyThere(Machine64, Uninstall32In64 + L"\\" + key));
    EXPECT_TRUE(KeyThere(Machine64, UninstallPath + L"\\" + key + L"\\Parts"));
    EXPECT_EQ(TestItems(), std::vector<std::wstring>{L"Shared 64"});
}

TEST_F(InstalledProgramsWin32Test, UninstallStartsTheCommandAsStoredAndDoesNotWaitForIt) {
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, L"SorvantoRecorderGo");
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE probe = CreateEventW(&inheritable, TRUE, FALSE, nullptr);
    ASSERT_TRUE(go && probe);
    const std::wstring log = BesideThisProgram(L"uninstall_recorder.log");
    DeleteFileW(log.c_str());
    // Variables unexpanded, spaces kept, and letters outside Windows-1250 in the command
    // line and in the key name.
    const std::wstring command =
        L"\"" + BesideThisProgram(L"uninstall_recorder.exe") + L"\" handle:" +
        std::to_wstring(reinterpret_cast<std::uintptr_t>(probe)) + L" %PATH%  żółw Ωμέγα";
    seeded.Put(User, L"SorvantoTest-Ωμέγα", L"Omega" + Marker, command);
    Win32Processes processes;
    fakes.Replace(processes);
    OpenMainWindow();
    Select(L"Omega");

    Press("UninstallButton");
    // Only now may the uninstaller end: had the window waited for it, it would have given
    // up waiting first.
    SetEvent(go);

    EXPECT_EQ(WaitForLines(log),
              (std::vector<std::wstring>{command, L"released", L"not inherited"}));
    EXPECT_EQ(WaitForSingleObject(probe, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    CloseHandle(probe);
    CloseHandle(go);
    DeleteFileW(log.c_str());
}

} // namespace
