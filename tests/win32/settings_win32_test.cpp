// The settings of the real main window under Wine: the user's clicks and keys arrive as
// window messages, and Read and Apply work on the real registry of the test prefix. What a
// test writes there is put back afterwards, since the whole test run shares the prefix.
// The fakes come before <windows.h>, whose DeleteFile and ReplaceFile macros would rename
// the methods of the memory file system.
#include "tests/support/fake_platform.h"

#include "i18n/message_texts.h"
#include "mainwindow/form1.h"
#include "platform/application.h"
#include "platform/check_box.h"
#include "platform/edit.h"
#include "platform/page_control.h"
#include "platform/text_codec.h"
#include "platform/win32/control_window.h"
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

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

const std::wstring PoliciesExplorer =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::wstring CurrentVersion = L"Software\\Microsoft\\Windows\\CurrentVersion";
const std::wstring MyComputer = L"CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}";

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
    friend bool operator==(const RawValue&, const RawValue&) = default;
};

std::optional<RawValue> RawGet(HKEY root, const std::wstring& path, const std::wstring& name) {
    RawValue value;
    DWORD size = 0;
    if (RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                     nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.bytes.resize(size);
    if (RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                     value.bytes.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.bytes.resize(size);
    return value;
}

void RawSet(HKEY root, const std::wstring& path, const std::wstring& name, const RawValue& v) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name.c_str(), 0, v.type, v.bytes.data(),
                   static_cast<DWORD>(v.bytes.size()));
    RegCloseKey(key);
}

void RawDelete(HKEY root, const std::wstring& path, const std::wstring& name) {
    RegDeleteKeyValueW(root, path.c_str(), name.c_str());
}

RawValue Text(const std::wstring& text) {
    RawValue v{REG_SZ, {}};
    auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    v.bytes.assign(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
    return v;
}

RawValue Dword(DWORD value) {
    auto* bytes = reinterpret_cast<const BYTE*>(&value);
    return {REG_DWORD, {bytes, bytes + 4}};
}

RawValue Binary(std::vector<BYTE> bytes) {
    return {REG_BINARY, std::move(bytes)};
}

// Puts the registry back as it was: the values a test names, and the keys that Read and
// Apply may create (removed again, from the first one that was missing).
class RegistryRestorer {
public:
    RegistryRestorer() {
        for (const SettingRow& row : Catalogue()) {
            NoteKey(PredefinedKey(row.root), Wide(row.key));
            if (!row.secondKey.empty())
                NoteKey(PredefinedKey(row.root), Wide(row.secondKey));
        }
    }
    ~RegistryRestorer() {
        for (const auto& [root, path, name, value] : values_) {
            if (value)
                RawSet(root, path, name, *value);
            else
                RawDelete(root, path, name);
        }
        for (const auto& [root, path] : missingKeys_)
            RegDeleteTreeW(root, path.c_str());
    }
    void NoteValue(HKEY root, const std::wstring& path, const std::wstring& name) {
        NoteKey(root, path);
        values_.push_back({root, path, name, RawGet(root, path, name)});
    }

private:
    void NoteKey(HKEY root, const std::wstring& path) {
        for (std::size_t at = path.find(L'\\');; at = path.find(L'\\', at + 1)) {
            std::wstring prefix = path.substr(0, at);
            if (!KeyThere(root, prefix)) {
                missingKeys_.insert({root, prefix});
                return;
            }
            if (at == std::wstring::npos)
                return;
        }
    }

    struct Noted {
        HKEY root;
        std::wstring path, name;
        std::optional<RawValue> value;
    };
    std::vector<Noted> values_;
    std::set<std::pair<HKEY, std::wstring>> missingKeys_;
};

class SettingsWin32Test : public testing::Test {
protected:
    void OpenMainWindow() {
        form = app.CreateForm<TForm1>(texts);
        form->Show();
        SetForegroundWindow(WindowOf(*form));
        Pump();
    }
    void Pump() {
        for (int round = 0; round < 3; ++round) {
            windows.ProcessMessages(app);
            Sleep(10);
        }
        windows.ProcessMessages(app);
    }
    template <class T> T& Get(const char* name) { return FindAs<T>(*form, name); }
    HWND Window(const char* name) { return WindowOf(Get<TControl>(name)); }
    void ShowTabOf(const char* name) {
        for (TControl* c = &Get<TControl>(name); c; c = c->Parent())
            if (auto* sheet = dynamic_cast<TTabSheet*>(c); sheet && sheet->PageControl())
                sheet->PageControl()->UserSelectTab(sheet->PageIndex());
        Pump();
    }
    void ClickBox(const char* name) {
        ShowTabOf(name);
        SendMessageW(Window(name), BM_CLICK, 0, 0);
        Pump();
    }
    // A click of the mouse on a speed button's window.
    void Press(const char* button) {
        HWND window = Window(button);
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        Pump();
    }
    void TypeInto(const char* edit, const std::wstring& keys) {
        ShowTabOf(edit);
        HWND window = Window(edit);
        SetFocus(window);
        SendMessageW(window, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        for (wchar_t key : keys)
            SendMessageW(window, WM_CHAR, key, 0);
        Pump();
    }
    std::wstring WindowText(const char* name) {
        wchar_t text[512] = {};
        SendMessageW(Window(name), WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
        return text;
    }
    bool Checked(const char* box) {
        bool shown = SendMessageW(Window(box), BM_GETCHECK, 0, 0) == BST_CHECKED;
        EXPECT_EQ(shown, Get<TCheckBox>(box).Checked()) << box;
        return shown;
    }

    RegistryRestorer restorer;
    Win32RegistryStore registry;
    FakePlatform fakes;
    Win32Icons icons{GetModuleHandleW(nullptr)};
    Win32WindowSystem windows{GetModuleHandleW(nullptr)};
    MessageTexts texts;
    TApplication app{fakes.Replace(registry).Replace(icons).Replace(windows).Services()};
    TForm1* form = nullptr;
};

std::vector<std::wstring> ValueNames(HKEY root, const std::wstring& path) {
    std::vector<std::wstring> names;
    HKEY key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

TEST_F(SettingsWin32Test, ApplyWritesExactlyWhatTheUserChanged) {
    restorer.NoteValue(HKEY_CURRENT_USER, PoliciesExplorer, L"NoRun");
    restorer.NoteValue(HKEY_CLASSES_ROOT, MyComputer, L"InfoTip");
    RawDelete(HKEY_CURRENT_USER, PoliciesExplorer, L"NoRun");
    // An empty edit, so that where the caret starts does not matter.
    RawDelete(HKEY_CLASSES_ROOT, MyComputer, L"InfoTip");
    std::vector<std::wstring> policiesBefore = ValueNames(HKEY_CURRENT_USER, PoliciesExplorer);
    OpenMainWindow();

    ClickBox("BoxNoRun");
    TypeInto("MyComputerEdit", L"a\u017C");
    ASSERT_TRUE(Get<TControl>("ZastosujButton").Enabled());
    EXPECT_EQ(Get<TControl>("BoxNoRun").Font().Color(), clBlue);
    Press("ZastosujButton");

    EXPECT_EQ(RawGet(HKEY_CURRENT_USER, PoliciesExplorer, L"NoRun"), Dword(1));
    EXPECT_EQ(RawGet(HKEY_CLASSES_ROOT, MyComputer, L"InfoTip"), Text(L"a\u017C"));
    std::vector<std::wstring> policies = policiesBefore;
    policies.push_back(L"NoRun");
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, PoliciesExplorer), policies);
    // The final Read has cleared the marks.
    EXPECT_TRUE(Checked("BoxNoRun"));
    EXPECT_EQ(Get<TControl>("BoxNoRun").Tag(), 0);
    EXPECT_FALSE(Get<TControl>("ZastosujButton").Enabled());
    EXPECT_EQ(fakes.shell.notifications.size(), 2u);
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}

TEST_F(SettingsWin32Test, ReadShowsBinaryStringAndDwordVariants) {
    const std::wstring desktop = L"Control Panel\\Desktop";
    const std::wstring metrics = desktop + L"\\WindowMetrics";
    const std::wstring explorer = CurrentVersion + L"\\Explorer";
    const std::wstring regWiz = CurrentVersion + L"\\Welcome\\RegWiz";
    restorer.NoteValue(HKEY_CURRENT_USER, PoliciesExplorer, L"NoDrives");
    restorer.NoteValue(HKEY_CURRENT_USER, PoliciesExplorer, L"NoRun");
    restorer.NoteValue(HKEY_CURRENT_USER, metrics, L"Shell Icon Size");
    restorer.NoteValue(HKEY_CURRENT_USER, desktop, L"MenuShowDelay");
    restorer.NoteValue(HKEY_CURRENT_USER, explorer, L"link");
    restorer.NoteValue(HKEY_LOCAL_MACHINE, CurrentVersion, L"RegDone");
    restorer.NoteValue(HKEY_LOCAL_MACHINE, regWiz, L"@");
    restorer.NoteValue(HKEY_LOCAL_MACHINE, CurrentVersion, L"RegisteredOwner");
    RawSet(HKEY_CURRENT_USER, PoliciesExplorer, L"NoDrives", Binary({1, 0, 0, 0}));
    RawSet(HKEY_CURRENT_USER, PoliciesExplorer, L"NoRun", Text(L"1"));
    RawSet(HKEY_CURRENT_USER, metrics, L"Shell Icon Size", Text(L"48"));
    RawSet(HKEY_CURRENT_USER, desktop, L"MenuShowDelay", Dword(400));
    RawSet(HKEY_CURRENT_USER, explorer, L"link", Binary({0, 0, 0, 0, 0}));
    RawSet(HKEY_LOCAL_MACHINE, CurrentVersion, L"RegDone", Text(L""));
    RawSet(HKEY_LOCAL_MACHINE, regWiz, L"@", Text(L"1"));
    RawSet(HKEY_LOCAL_MACHINE, CurrentVersion, L"RegisteredOwner", Text(L"\u0141ucja"));
    OpenMainWindow();
    ClickBox("BoxNoRun");
    TypeInto("EditMenuShowDelay", L"7");

    Press("OdczytajButton");

    EXPECT_TRUE(Checked("NoDrivesBox"));
    EXPECT_FALSE(Checked("BoxNoRun"));
    EXPECT_TRUE(Checked("ShellIconSizeBox"));
    EXPECT_FALSE(Checked("LinkBox"));
    EXPECT_TRUE(Checked("RegDoneBox"));
    EXPECT_EQ(WindowText("EditMenuShowDelay"), L"");
    EXPECT_EQ(WindowText("RegisteredOwnerEdit"), L"\u0141ucja");
    EXPECT_EQ(Get<TEdit>("RegisteredOwnerEdit").Text(), Utf8ToCp1250("Łucja"));
    EXPECT_EQ(form->Changes().ChangeCount(), 0);
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}

} // namespace
