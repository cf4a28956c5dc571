#include "platform/text_codec.h"

#include <gtest/gtest.h>

namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

// "Zażółć gęślą jaźń" in UTF-8 and in Windows-1250.
const std::string kPolishUtf8 = "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9B"
                                "l\xC4\x85 ja\xC5\xBA\xC5\x84";
const std::string kPolishCp1250 = "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1";

TEST(TextCodec, EveryByteSurvivesUtf8AndUtf16) {
    std::string bytes = AllBytes();
    std::string utf8 = Cp1250ToUtf8(bytes);
    std::u16string utf16 = Cp1250ToUtf16(bytes);
    EXPECT_EQ(Utf8ToCp1250(utf8), bytes);
    EXPECT_EQ(Utf16ToCp1250(utf16), bytes);
    ASSERT_EQ(utf16.size(), 256u);
    EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(Utf16ToCp1250(utf16))), bytes);
}

TEST(TextCodec, MapsLettersAndSignsToTheirUnicodeForms) {
    struct Case {
        unsigned char byte;
        char16_t code;
    };
    const Case cases[] = {
        {0x80, u'\u20AC'}, {0x81, u'\u0081'}, {0x83, u'\u0083'}, {0x88, u'\u0088'},
        {0x90, u'\u0090'}, {0x98, u'\u0098'}, {0x8A, u'\u0160'}, {0x8C, u'\u015A'},
        {0x8F, u'\u0179'}, {0xA3, u'\u0141'}, {0xA5, u'\u0104'}, {0xAF, u'\u017B'},
        {0xB3, u'\u0142'}, {0xB9, u'\u0105'}, {0xBF, u'\u017C'}, {0xCA, u'\u0118'},
        {0xD1, u'\u0143'}, {0xD3, u'\u00D3'}, {0xD8, u'\u0158'}, {0xFF, u'\u02D9'},
    };
    for (const Case& c : cases) {
        std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(Cp1250ToUtf16(byte), std::u16string(1, c.code)) << std::hex << int(c.byte);
    }
}

TEST(TextCodec, ConvertsPolishText) {
    EXPECT_EQ(Utf8ToCp1250(kPolishUtf8), kPolishCp1250);
    EXPECT_EQ(Cp1250ToUtf8(kPolishCp1250), kPolishUtf8);
    EXPECT_EQ(Cp1250ToUtf16(kPolishCp1250), u"Zażółć gęślą jaźń");
    EXPECT_EQ(Utf16ToCp1250(u"Zażółć gęślą jaźń"), kPolishCp1250);
}

TEST(TextCodec, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    // à is Latin-1 but not Windows-1250; € is; 中 and the emoji (a surrogate pair) are not.
    EXPECT_EQ(Utf8ToCp1250("\xC3\xA0|\xE2\x82\xAC|\xE4\xB8\xAD|\xF0\x9F\x98\x80|"), "?|\x80|?|?|");
    EXPECT_EQ(Utf16ToCp1250(u"\u00E0|\u20AC|\u4E2D|\U0001F600|"), "?|\x80|?|?|");
}

TEST(TextCodec, InvalidUtf8BecomesQuestionMarks) {
    struct Case {
        const char* utf8;
        const char* expected;
    };
    const Case cases[] = {
        {"a\x80z", "a?z"},             // a stray continuation byte
        {"a\xFFz", "a?z"},             // a byte that never leads
        {"a\xC5z", "a?z"},             // a lead without its continuation
        {"a\xE2\x82z", "a?z"},         // a sequence cut short
        {"a\xC5", "a?"},               // cut short by the end of the text
        {"a\xC0\xB3z", "a?z"},         // an overlong form of "3"
        {"a\xED\xA0\x80z", "a?z"},     // an encoded surrogate
        {"a\xF4\x90\x80\x80z", "a?z"}, // beyond U+10FFFF
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8ToCp1250(c.utf8), c.expected) << c.utf8;
}

TEST(TextCodec, LoneSurrogatesBecomeQuestionMarks) {
    EXPECT_EQ(Utf16ToCp1250(std::u16string{u'a', char16_t(0xD800), u'z'}), "a?z");
    EXPECT_EQ(Utf16ToCp1250(std::u16string{u'a', char16_t(0xDC00), u'z'}), "a?z");
    EXPECT_EQ(Utf16ToCp1250(std::u16string{u'a', char16_t(0xD800)}), "a?");
}

TEST(TextCodec, LowersAsciiAndCentralEuropeanCapitals) {
    std::string upper = Utf8ToCp1250("AZĄĆĘŁŃÓŚŹŻŠŤŽŘĽĹŔĂÄČĎĐÉËĚÍÎŇÔŐÖŮÚŰÜÝŢŞÁÂÇ");
    std::string lower = Utf8ToCp1250("aząćęłńóśźżšťžřľĺŕăäčďđéëěíîňôőöůúűüýţşáâç");
    ASSERT_EQ(upper.size(), lower.size());
    for (std::size_t i = 0; i < upper.size(); ++i)
        EXPECT_EQ(Cp1250Lower(upper[i]), static_cast<unsigned char>(lower[i])) << i;
}

TEST(TextCodec, LowerLeavesEverythingButCapitalsAlone) {
    std::string others = Utf8ToCp1250("az09@[`{ąćęłńóśźżš×ß÷µ€„˙");
    for (char c : others)
        EXPECT_EQ(Cp1250Lower(c), static_cast<unsigned char>(c)) << Cp1250ToUtf8({&c, 1});
}

TEST(TextCodec, CompareTextIgnoresCaseAndOrdersByLoweredBytes) {
    EXPECT_EQ(CompareTextAnsi("Abc", "aBC"), 0);
    EXPECT_EQ(CompareTextAnsi(Utf8ToCp1250("ŁÓDŹ"), Utf8ToCp1250("łódź")), 0);
    EXPECT_LT(CompareTextAnsi("apple", "Banana"), 0);
    EXPECT_GT(CompareTextAnsi("Banana", "apple"), 0);
    EXPECT_LT(CompareTextAnsi("ab", "abc"), 0);
    EXPECT_GT(CompareTextAnsi("abc", "AB"), 0);
    EXPECT_LT(CompareTextAnsi("", "a"), 0);
    // Bytes compare unsigned: every Polish letter sorts after the ASCII ones.
    EXPECT_LT(CompareTextAnsi("Lz", Utf8ToCp1250("Ła")), 0);
    EXPECT_LT(CompareTextAnsi("z", Utf8ToCp1250("ą")), 0);
}

} // namespace
