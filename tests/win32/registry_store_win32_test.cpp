// How the Win32 store meets the registry's own encoding: UTF-16 strings with their NUL, and
// values written by other programs.
#include "platform/registry.h"
#include "platform/registry_name_case.h"
#include "platform/win32/registry_key_handle.h"
#include "platform/win32/registry_store.h"

#include "platform/win32/windows_api.h"
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

class Win32RegistryStoreTest : public testing::Test {
protected:
    void SetUp() override {
        std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        path_ = "Software\\SorvantoTests\\Win32Store\\" + test;
        widePath_ = std::wstring(path_.begin(), path_.end());
        RegDeleteTreeW(HKEY_CURRENT_USER, widePath_.c_str());
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, widePath_.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, key_.out(), nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, widePath_.c_str()); }

    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExW(key_.get(), name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }

    Win32RegistryStore store_;
    std::string path_;
    std::wstring widePath_;
    RegistryKeyHandle key_;
};

TEST_F(Win32RegistryStoreTest, PolishTextIsWrittenAsUtf16WithItsNul) {
    TRegistry reg(store_);
    const std::string keyName = "G\xEA\x9C"; // "Gęś" in Windows-1250
    ASSERT_TRUE(reg.OpenKey(path_ + "\\" + keyName, true));
    reg.WriteString("Text", "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1");
    reg.WriteExpandString("Expand", "%TEMP%\\\xB3");

    RegistryKeyHandle polish;
    ASSERT_EQ(RegOpenKeyExW(key_.get(), L"Gęś", 0, KEY_READ, polish.out()), ERROR_SUCCESS);
    DWORD type = REG_NONE;
    std::wstring text(64, L'\0');
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    ASSERT_EQ(RegQueryValueExW(polish.get(), L"Text", nullptr, &type,
                               reinterpret_cast<BYTE*>(text.data()), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text.substr(0, size / sizeof(wchar_t)), std::wstring(L"Zażółć gęślą jaźń", 18));
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    ASSERT_EQ(RegQueryValueExW(polish.get(), L"Expand", nullptr, &type,
                               reinterpret_cast<BYTE*>(text.data()), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(text.substr(0, size / sizeof(wchar_t)), std::wstring(L"%TEMP%\\ł", 9));
}

TEST_F(Win32RegistryStoreTest, ValuesWrittenByOtherProgramsReadAsTheyAre) {
    SetRaw(L"NoNul", REG_SZ, L"abc", 6);
    SetRaw(L"Nul", REG_SZ, L"abc", 8);
    SetRaw(L"Multi", REG_MULTI_SZ, L"a\0b\0", 10);
    const unsigned long long quad = 0x0102030405060708ull;
    SetRaw(L"Quad", REG_QWORD, &quad, 8);
    const std::string big(1000, '\x5A');
    SetRaw(L"Big", REG_BINARY, big.data(), 1000);
    const std::wstring longText(300, L'ż');
    SetRaw(L"Long", REG_SZ, longText.c_str(), 602);

    auto key = store_.OpenKey(RootKey::CurrentUser, path_, false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->Query("NoNul"), RegistryValue::String("abc"));
    EXPECT_EQ(key->Query("Nul"), RegistryValue::String("abc"));
    EXPECT_EQ(key->Query("Multi"),
              (RegistryValue{RegistryType::Other, std::string("a\0\0\0b\0\0\0\0\0", 10)}));
    EXPECT_EQ(key->Query("Quad"),
              (RegistryValue{RegistryType::Other, "\x08\x07\x06\x05\x04\x03\x02\x01"}));
    EXPECT_EQ(key->Query("Big"), RegistryValue::Binary(big));
    EXPECT_EQ(key->Query("Long"), RegistryValue::String(std::string(300, '\xBF')));

    TRegistry reg(store_);
    ASSERT_TRUE(reg.OpenKey(path_, false));
    EXPECT_EQ(reg.GetDataSize("NoNul"), 4);
    EXPECT_EQ(reg.GetDataSize("Long"), 301);
}

// The memory store's letter case against the registry's own, for the letters it folds:
// creating one-letter keys in turn, a name opens an existing key exactly when an earlier one
// folds to the same letter.
TEST_F(Win32RegistryStoreTest, LetterCaseIsFoldedAsTheMemoryStoreFoldsIt) {
    std::set<char16_t> folded;
    for (auto [first, last] : {std::pair{0x20, 0x17F}, {0x386, 0x3CE}, {0x400, 0x45F}})
        for (int unit = first; unit <= last; ++unit) {
            if (unit == '\\')
                continue;
            const wchar_t name[] = {static_cast<wchar_t>(unit), L'\0'};
            RegistryKeyHandle key;
            DWORD disposition = 0;
            ASSERT_EQ(RegCreateKeyExW(key_.get(), name, 0, nullptr, 0, KEY_READ, nullptr, key.out(),
                                      &disposition),
                      ERROR_SUCCESS);
            bool earlier = !folded.insert(RegistryFoldCase(static_cast<char16_t>(unit))).second;
            EXPECT_EQ(disposition == REG_OPENED_EXISTING_KEY, earlier) << std::hex << unit;
        }
}

} // namespace
