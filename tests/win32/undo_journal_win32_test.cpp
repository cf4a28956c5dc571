// The undo journal on the real registry of the prefix, restored with Wine's own
// `reg import`: after an Apply through the real window and after a removal of key trees in
// both views, the full exports of HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE (which holds the
// classes) are what they were before. A journal folder that cannot be written stops Apply
// with the error shown and nothing written.
//
// The test's own set-up writes through the journal too, so importing that journal at the
// end gives the prefix back to the other tests as it was.
// The fakes come before <windows.h>, whose macros would rename their methods.
#include "tests/support/fake_platform.h"

#include "i18n/message_texts.h"
#include "mainwindow/form1.h"
#include "platform/application.h"
#include "platform/check_box.h"
#include "platform/edit.h"
#include "platform/page_control.h"
#include "platform/win32/control_window.h"
#include "platform/win32/icons.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/unicode_file_system.h"
#include "platform/win32/window_system.h"
#include "settings/catalogue.h"
#include "tests/win32/reg_tool.h"
#include "tests/win32/scratch_folder.h"
#include "undo/undo_journal.h"

#include "platform/win32/windows_api.h"
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace RegistryTypeCode;

constexpr RootKey HKCU = RootKey::CurrentUser;
constexpr RootKey HKCR = RootKey::ClassesRoot;
constexpr RootKey HKLM = RootKey::LocalMachine;
const std::u16string CurrentVersion = u"Software\\Microsoft\\Windows\\CurrentVersion";
const std::u16string Uninstall = CurrentVersion + u"\\Uninstall";

std::string Bytes(std::initializer_list<int> bytes) {
    std::string data;
    for (int b : bytes)
        data += static_cast<char>(b);
    return data;
}

ExactValue Text(std::u16string_view text, std::uint32_t type = kString) {
    return ExactValue::Text(type, text);
}

void Set(RegistryStore& store, RootKey root, const std::u16string& path, const std::u16string& name,
         const ExactValue& value, RegistryView view = RegistryView::Bits64) {
    auto key = store.OpenKeyExact(root, view, path, true);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->SetExact(name, value));
}

// Values of every kind, names in other scripts among them. Strings without their NUL are
// left out: Wine's `reg import` adds one to hex(1), hex(2) and hex(7) data that lacks it, so
// under Wine they cannot come back exactly.
void SetOddValues(RegistryStore& store, RootKey root, const std::u16string& path,
                  RegistryView view = RegistryView::Bits64) {
    Set(store, root, path, u"", Text(u"domy\u015blna"), view);
    Set(store, root, path, u"\u0418\u043c\u044f \"x\\y\"", Text(u"\u03a9 \U0001F600"), view);
    Set(store, root, path, u"Multi", {kMultiString, Bytes({'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0})},
        view);
    Set(store, root, path, u"Quad", {kQWord, Bytes({1, 2, 3, 4, 5, 6, 7, 8})}, view);
    Set(store, root, path, u"None", {kNone, Bytes({0xFF})}, view);
    Set(store, root, path, u"Lines", Text(u"a\r\nb"), view);
    Set(store, root, path, u"Expand", Text(u"%SystemRoot%\\x", kExpandString), view);
    Set(store, root, path, u"Long", {kBinary, std::string(300, '\x5A')}, view);
}

class UndoJournalWin32Test : public testing::Test {
protected:
    void TearDown() override {
        // What the set-up wrote goes as it came, also when the test failed halfway.
        for (auto journal = journals.rbegin(); journal != journals.rend(); ++journal)
            Import(*journal);
    }

    std::vector<std::wstring> Export() {
        std::wstring file = scratch.Path() + L"\\export.reg";
        std::vector<std::wstring> entries = ExportedValues(L"HKCU", file);
        std::vector<std::wstring> machine = ExportedValues(L"HKLM", file);
        entries.insert(entries.end(), machine.begin(), machine.end());
        return entries;
    }
    // Writes under the journal, as the program's operations do; the journal is undone at the
    // end of the test.
    void SetUpUnderJournal(const std::function<void(RegistryStore&)>& writes) {
        journals.push_back(UndoJournal(fakes.Services()).SaveBefore("Seed", writes));
        writes(registry);
    }
    void Import(const std::u16string& journal) {
        EXPECT_EQ(RunReg(L"import \"" + std::wstring(journal.begin(), journal.end()) + L"\""), 0u);
    }
    std::u16string UndoFolder() const {
        return fakes.folders.localApplicationData + u"\\Sorvanto\\Undo";
    }

    void OpenMainWindow() {
        form = app.CreateForm<TForm1>(texts);
        form->Show();
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
    void ClickBox(const char* name) {
        for (TControl* c = &FindAs<TControl>(*form, name); c; c = c->Parent())
            if (auto* sheet = dynamic_cast<TTabSheet*>(c); sheet && sheet->PageControl())
                sheet->PageControl()->UserSelectTab(sheet->PageIndex());
        Pump();
        SendMessageW(Window(name), BM_CLICK, 0, 0);
        Pump();
    }
    void PressApply() {
        HWND button = Window("ZastosujButton");
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        Pump();
    }

    ScratchFolder scratch{L"-\u0416"};
    Win32RegistryStore registry;
    Win32UnicodeFileSystem unicodeFiles;
    FakePlatform fakes;
    Win32Icons icons{GetModuleHandleW(nullptr)};
    Win32WindowSystem windows{GetModuleHandleW(nullptr)};
    MessageTexts texts;
    TApplication app{[this] {
        fakes.folders.localApplicationData = scratch.Utf16() + u"\\Local";
        return fakes.Replace(registry)
            .Replace(unicodeFiles)
            .Replace(icons)
            .Replace(windows)
            .Services();
    }()};
    TForm1* form = nullptr;
    std::vector<std::u16string> journals;
};

// Values of unexpected types and scripts where Apply writes, and the values the shell keeps
// for the binary rows.
void SeedApplyPlaces(RegistryStore& s) {
    const std::u16string policies = CurrentVersion + u"\\Policies\\Explorer";
    Set(s, HKCU, policies, u"NoRun", {kMultiString, Bytes({'1', 0, 0, 0, 0, 0})});
    Set(s, HKCU, policies, u"NoDrives", {kQWord, Bytes({1, 0, 0, 0, 0, 0, 0, 0})});
    Set(s, HKCU, policies, u"NoClose", {kNone, ""});
    Set(s, HKCU, CurrentVersion + u"\\Explorer", u"link", {kBinary, Bytes({0x1E, 0, 0, 0})});
    Set(s, HKCU, u"Control Panel\\Desktop", u"FontSmoothing", Text(u"2", kExpandString));
    Set(s, HKCR, u"CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\ShellFolder", u"Attributes",
        {kBinary, Bytes({0x40, 0x01, 0x00, 0x20})});
    Set(s, HKCR, u"CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}", u"InfoTip",
        Text(u"\u041c\u043e\u0439 \u043a\u043e\u043c\u043f"));
    Set(s, HKCR, u".bmp", u"", Text(u"Paint.Picture"));
    Set(s, HKLM, CurrentVersion, u"RegisteredOwner", Text(u"\u0141ucja \u017b\u00f3\u0142w"));
    Set(s, HKLM, CurrentVersion, u"RegDone", {kDWord, Bytes({1, 0, 0, 0})});
    Set(s, HKLM, u"Software\\SRVT\\SRVT", u"Password", Text(u"tajne"));
    SetOddValues(s, HKLM, u"Software\\SRVT\\SRVT\\Ustawienia");
}

TEST_F(UndoJournalWin32Test, RegImportOfTheJournalUndoesAnApplyThroughTheWindow) {
    SetUpUnderJournal(SeedApplyPlaces);
    OpenMainWindow();
    // Every row changed, and the password removed with the program's key.
    for (const SettingRow& row : Catalogue()) {
        if (HoldsEdit(row.encoding)) {
            auto& edit = FindAs<TEdit>(*form, row.control);
            edit.TextEditedByUser(edit.Text() == "1" ? "2" : "1");
        } else {
            auto& box = FindAs<TCheckBox>(*form, row.control);
            box.SetChecked(!box.Checked());
        }
    }
    ClickBox("PasswordBox");
    // Taken just before Apply: Wine keeps some parameters of its own in the registry once the
    // user works with a window.
    std::vector<std::wstring> before = Export();
    PressApply();
    ASSERT_TRUE(fakes.messageBoxes.shown.empty()) << fakes.messageBoxes.shown[0].text;
    ASSERT_FALSE(FindAs<TControl>(*form, "ZastosujButton").Enabled());
    ASSERT_FALSE(registry.KeyExists(HKLM, "Software\\SRVT"));

    Import(UndoFolder() + u"\\2026-12-11 14-05-33 Apply.reg");
    EXPECT_EQ(ExportDifferences(before, Export()), std::vector<std::string>());
}

TEST_F(UndoJournalWin32Test, RegImportOfTheJournalBringsBackRemovedKeyTreesOfBothViews) {
    const std::u16string entry = Uninstall + u"\\Sorvanto test \u00e6\u0444";
    SetUpUnderJournal([&](RegistryStore& s) {
        SetOddValues(s, HKLM, entry);
        SetOddValues(s, HKLM, entry + u"\\Sub\\Deeper");
        SetOddValues(s, HKLM, Uninstall + u"\\Sorvanto test 32", RegistryView::Bits32);
        SetOddValues(s, HKLM, Uninstall + u"\\Sorvanto test 32\\Parts", RegistryView::Bits32);
    });
    std::vector<std::wstring> before = Export();
    auto remove = [&](RegistryStore& s) {
        s.DeleteKeyExact(HKLM, RegistryView::Bits64, entry);
        s.DeleteKeyExact(HKLM, RegistryView::Bits32, Uninstall + u"\\Sorvanto test 32");
    };
    std::u16string journal = UndoJournal(fakes.Services()).SaveBefore("Remove", remove);
    remove(registry);
    ASSERT_FALSE(registry.KeyExistsExact(HKLM, RegistryView::Bits64, entry));
    ASSERT_FALSE(
        registry.KeyExistsExact(HKLM, RegistryView::Bits32, Uninstall + u"\\Sorvanto test 32"));

    Import(journal);
    EXPECT_EQ(ExportDifferences(before, Export()), std::vector<std::string>());
}

TEST_F(UndoJournalWin32Test, AJournalFolderThatCannotBeWrittenStopsApplyWithNothingWritten) {
    // A file where the program's folder would be.
    std::wstring local = scratch.Path() + L"\\Local";
    CreateDirectoryW(local.c_str(), nullptr);
    CloseHandle(CreateFileW((local + L"\\Sorvanto").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            0, nullptr));
    OpenMainWindow();
    ClickBox("BoxNoRun");
    FindAs<TEdit>(*form, "RegisteredOwnerEdit").TextEditedByUser("Jan");
    std::vector<std::wstring> before = Export();
    PressApply();

    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text.rfind("Cannot create file ", 0), 0u);
    EXPECT_NE(
        fakes.messageBoxes.shown[0].text.find("\\Sorvanto\\Undo\\2026-12-11 14-05-33 Apply.reg"),
        std::string::npos);
    EXPECT_EQ(FindAs<TControl>(*form, "BoxNoRun").Tag(), 1);
    EXPECT_EQ(ExportDifferences(before, Export()), std::vector<std::string>());
}

} // namespace
