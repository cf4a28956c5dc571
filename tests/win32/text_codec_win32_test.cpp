// The portable Windows-1250 tables checked against the ones Windows itself uses.
#include "platform/text_codec.h"

#include "platform/win32/windows_api.h"
#include <gtest/gtest.h>

namespace {

constexpr UINT kCodePage = 1250;

TEST(TextCodecWin32, EveryByteDecodesAsWindowsDecodesIt) {
    for (int b = 0; b < 256; ++b) {
        char byte = static_cast<char>(b);
        wchar_t wide = 0;
        ASSERT_EQ(MultiByteToWideChar(kCodePage, 0, &byte, 1, &wide, 1), 1);
        EXPECT_EQ(Cp1250ToUtf16({&byte, 1}), std::u16string(1, static_cast<char16_t>(wide)))
            << std::hex << b;
    }
}

TEST(TextCodecWin32, EveryCharacterEncodesAsWindowsEncodesIt) {
    for (unsigned code = 1; code < 0x10000; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        wchar_t wide = static_cast<wchar_t>(code);
        char byte = 0;
        ASSERT_EQ(
            WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &wide, 1, &byte, 1, "?", nullptr),
            1);
        ASSERT_EQ(Utf16ToCp1250(std::u16string(1, static_cast<char16_t>(code))),
                  std::string(1, byte))
            << std::hex << code;
    }
}

TEST(TextCodecWin32, LowersAsWindowsLowersTheCodePage) {
    for (int b = 0; b < 256; ++b) {
        std::u16string wide = Cp1250ToUtf16(std::string(1, static_cast<char>(b)));
        CharLowerBuffW(reinterpret_cast<wchar_t*>(wide.data()), 1);
        EXPECT_EQ(Cp1250Lower(static_cast<unsigned char>(b)),
                  static_cast<unsigned char>(Utf16ToCp1250(wide)[0]))
            << std::hex << b;
    }
}

} // namespace
