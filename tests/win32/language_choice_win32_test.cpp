// The language choice of the real program: sorvanto.exe started from a folder of its own
// with the shipped language files beside it, driven through its windows.
#include "tests/win32/started_program.h"

#include "platform/win32/windows_api.h"
#include <gtest/gtest.h>

#include <string>

namespace {

// The user's own index file, where a program that cannot write its folder keeps the choice.
std::wstring OwnIndexFile() {
    wchar_t folder[MAX_PATH];
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK)
        return {};
    return std::wstring(folder) + L"\\Sorvanto\\srvt.ini";
}

class LanguageChoice : public testing::Test {
protected:
    void SetUp() override { DeleteFileW(OwnIndexFile().c_str()); }
    void TearDown() override { DeleteFileW(OwnIndexFile().c_str()); }

    // Starts the program and waits for its main window and its tab control.
    void Start() {
        program = std::make_unique<StartedProgram>(folder.Exe());
        ASSERT_TRUE(program->Started());
        main = WaitForWindow(program->Id(), L"Sorvanto");
        ASSERT_NE(main, nullptr);
        tabs = FindChildOfClass(main, WC_TABCONTROLW);
        ASSERT_NE(tabs, nullptr);
    }
    std::wstring AboutTab() const { return TabText(tabs, 9); }
    // The user moves the closed language list one entry down with the arrow key.
    void ChooseNextLanguage() const {
        HWND list = FindChildOfClass(main, L"ComboBox");
        ASSERT_NE(list, nullptr);
        PostMessageW(list, WM_KEYDOWN, VK_DOWN, 1);
        PostMessageW(list, WM_KEYUP, VK_DOWN, 0xC0000001);
    }
    void CloseAndExpectAnEnd() {
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program->ExitCode(), 0u);
    }

    ProgramFolder folder{L"English.svl", L"Polski.svl"};
    std::unique_ptr<StartedProgram> program;
    HWND main = nullptr;
    HWND tabs = nullptr;
};

TEST_F(LanguageChoice, AFreshStartIsInEnglishAndPolishChosenLastsToTheNextStart) {
    Start();
    EXPECT_EQ(AboutTab(), L"About");
    EXPECT_NE(FindChildWithText(main, L"Protect SRVT with a password"), nullptr);
    EXPECT_EQ(FileBytes(folder.Path() + L"srvt.ini"), "Language=English\r\n");

    ChooseNextLanguage();
    EXPECT_TRUE(WaitForText([&] { return AboutTab(); }, L"O programie"));
    EXPECT_EQ(TabText(tabs, 0), L"Menu Start");
    HWND password = FindChildWithText(main, L"Zabezpiecz SRVT hasłem");
    ASSERT_NE(password, nullptr);
    EXPECT_EQ(FileBytes(folder.Path() + L"srvt.ini"), "Language=Polski\r\n");

    // A change, then closing: the question comes in Polish; No leaves the registry alone.
    PostMessageW(password, BM_CLICK, 0, 0);
    PostMessageW(main, WM_CLOSE, 0, 0);
    HWND box = WaitForMessageBox(program->Id());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), L"Nie zapisano zmian");
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), L"Czy chcesz zapisać zmiany przed zamknięciem ?");
    PostMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
    EXPECT_EQ(program->ExitCode(), 0u);

    Start();
    EXPECT_EQ(AboutTab(), L"O programie");
    CloseAndExpectAnEnd();
}

TEST_F(LanguageChoice, AFolderThatCannotBeWrittenKeepsTheChoiceInTheUsersOwnIndexFile) {
    ASSERT_FALSE(OwnIndexFile().empty());
    ASSERT_TRUE(folder.MakeReadOnly()) << "the folder cannot be made read-only here";
    Start();
    EXPECT_EQ(AboutTab(), L"About");
    EXPECT_EQ(FileBytes(OwnIndexFile()), "Language=English\r\n");

    ChooseNextLanguage();
    EXPECT_TRUE(WaitForText([&] { return AboutTab(); }, L"O programie"));
    EXPECT_EQ(FileBytes(OwnIndexFile()), "Language=Polski\r\n");
    EXPECT_EQ(FileBytes(folder.Path() + L"srvt.ini"), std::nullopt);
    // Nothing was reported: an error box would be a window of the process.
    EXPECT_EQ(FindProcessWindow(program->Id(), nullptr, true, L"#32770"), nullptr);
    CloseAndExpectAnEnd();
}

} // namespace
