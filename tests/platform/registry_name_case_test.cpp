#include "platform/registry_name_case.h"

#include "platform/text_codec.h"

#include <gtest/gtest.h>

namespace {

// Names the program writes are Windows-1250, and those always compared by the code page's
// own letter case: the UTF-16 rule must pair exactly the same characters.
TEST(RegistryNameCase, PairsTheLettersOfWindows1250AsTheCodePageDoes) {
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) {
            bool codePage = Cp1250Lower(static_cast<unsigned char>(a)) ==
                            Cp1250Lower(static_cast<unsigned char>(b));
            std::u16string x = Cp1250ToUtf16(std::string(1, static_cast<char>(a)));
            std::u16string y = Cp1250ToUtf16(std::string(1, static_cast<char>(b)));
            ASSERT_EQ(SameRegistryName(x, y), codePage) << std::hex << a << " " << b;
        }
}

TEST(RegistryNameCase, FoldsOtherAlphabetsAndLeavesTheRest) {
    EXPECT_TRUE(SameRegistryName(u"Программа", u"ПРОГРАММА"));
    EXPECT_TRUE(SameRegistryName(u"Ёж Її Ђ", u"ёж її ђ"));
    EXPECT_TRUE(SameRegistryName(u"Ωμέγα Ά Ύ", u"ΩΜΈΓΑ ά ύ"));
    EXPECT_TRUE(SameRegistryName(u"ÿ Œ Ŋ", u"Ÿ œ ŋ"));
    // The registry keeps these apart: dotless i, long s, the micro sign and the sharp s.
    EXPECT_FALSE(SameRegistryName(u"ı", u"I"));
    EXPECT_FALSE(SameRegistryName(u"ſ", u"s"));
    EXPECT_FALSE(SameRegistryName(u"µ", u"Μ"));
    EXPECT_FALSE(SameRegistryName(u"ß", u"ẞ"));
    EXPECT_FALSE(SameRegistryName(u"鍵", u"鍵x"));
}

} // namespace
