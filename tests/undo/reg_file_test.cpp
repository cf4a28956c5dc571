// The .reg writer: every value type and every string that needs care, as the Registry
// Editor's import reads them, and back through an import to the same type and bytes.
#include "platform/memory_registry_store.h"
#include "tests/undo/reg_file_reader.h"
#include "undo/reg_file.h"

#include <gtest/gtest.h>

namespace {

std::string Bytes(std::initializer_list<int> bytes) {
    std::string data;
    for (int b : bytes)
        data += static_cast<char>(b);
    return data;
}

// UTF-16 units, low byte first, exactly as given (no terminator is added).
std::string Units(std::u16string_view units) {
    std::string bytes;
    for (char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// A text with its terminating NUL.
std::string Sz(std::u16string_view text) {
    return Units(text) + std::string(2, '\0');
}

ExactValue Value(std::uint32_t type, std::string bytes) {
    return {type, std::move(bytes)};
}

struct ValueCase {
    const char* what;
    std::u16string name;
    ExactValue value;
    std::u16string line;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.what;
}

class RegValueTextTest : public testing::TestWithParam<ValueCase> {};

TEST_P(RegValueTextTest, IsWrittenAsTheRegistryEditorReadsItAndImportsExactly) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(RegValueText({c.name, c.value}), c.line);

    std::string file = RegFileContent({{u"HKEY_CURRENT_USER\\Test", false, {{c.name, c.value}}}});
    MemoryRegistryStore store;
    ImportRegFile(file, store);
    auto key = store.OpenKeyExact(RootKey::CurrentUser, RegistryView::Bits64, u"Test", false);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->QueryExact(c.name), c.value);
}

using namespace RegistryTypeCode;

INSTANTIATE_TEST_SUITE_P(
    EveryTypeAndString, RegValueTextTest,
    testing::Values(
        ValueCase{"Text", u"Name", Value(kString, Sz(u"plain")), u"\"Name\"=\"plain\""},
        ValueCase{"Escapes", u"a\\\"b", Value(kString, Sz(u"C:\\dir \"x\"")),
                  u"\"a\\\\\\\"b\"=\"C:\\\\dir \\\"x\\\"\""},
        ValueCase{"DefaultValue", u"", Value(kString, Sz(u"x")), u"@=\"x\""},
        ValueCase{"ValueNamedAt", u"@", Value(kString, Sz(u"1")), u"\"@\"=\"1\""},
        ValueCase{"EmptyText", u"E", Value(kString, Sz(u"")), u"\"E\"=\"\""},
        ValueCase{"OtherScripts", u"\u0418\u043c\u044f",
                  Value(kString, Sz(u"\u0141\u00f3d\u017a \u03a9 \U0001F600")),
                  u"\"\u0418\u043c\u044f\"=\"\u0141\u00f3d\u017a \u03a9 \U0001F600\""},
        ValueCase{"TextWithoutItsNul", u"S", Value(kString, Units(u"ab")),
                  u"\"S\"=hex(1):61,00,62,00"},
        ValueCase{"NulInsideText", u"S", Value(kString, Units(std::u16string_view(u"a\0b\0", 4))),
                  u"\"S\"=hex(1):61,00,00,00,62,00,00,00"},
        ValueCase{"LineBreakInText", u"S", Value(kString, Sz(u"a\r\nb")),
                  u"\"S\"=hex(1):61,00,0d,00,0a,00,62,00,00,00"},
        ValueCase{"HalfASurrogatePair", u"S", Value(kString, Sz(u"\xD83D")),
                  u"\"S\"=hex(1):3d,d8,00,00"},
        ValueCase{"OddLengthText", u"S", Value(kString, Bytes({0x61, 0, 0})),
                  u"\"S\"=hex(1):61,00,00"},
        ValueCase{"NoBytesAtAll", u"S", Value(kString, ""), u"\"S\"=hex(1):"},
        ValueCase{"Dword", u"NoDrives", Value(kDWord, Bytes({0xFF, 0xFF, 0xFF, 0x03})),
                  u"\"NoDrives\"=dword:03ffffff"},
        ValueCase{"DwordOfThreeBytes", u"D", Value(kDWord, Bytes({1, 2, 3})),
                  u"\"D\"=hex(4):01,02,03"},
        ValueCase{"Binary", u"link", Value(kBinary, Bytes({0x1E, 0, 0, 0})),
                  u"\"link\"=hex:1e,00,00,00"},
        ValueCase{"EmptyBinary", u"B", Value(kBinary, ""), u"\"B\"=hex:"},
        ValueCase{"ExpandString", u"Path", Value(kExpandString, Sz(u"%A%")),
                  u"\"Path\"=hex(2):25,00,41,00,25,00,00,00"},
        ValueCase{"MultiString", u"M",
                  Value(kMultiString, Units(std::u16string_view(u"a\0b\0\0", 5))),
                  u"\"M\"=hex(7):61,00,00,00,62,00,00,00,00,00"},
        ValueCase{"Qword", u"Q", Value(kQWord, Bytes({1, 2, 3, 4, 5, 6, 7, 0x80})),
                  u"\"Q\"=hex(b):01,02,03,04,05,06,07,80"},
        ValueCase{"None", u"N", Value(kNone, Bytes({0xAB})), u"\"N\"=hex(0):ab"},
        ValueCase{"TypeOfItsOwn", u"T", Value(0x12345678, Bytes({0})), u"\"T\"=hex(12345678):00"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(RegValueText, ARemovedValueIsADash) {
    EXPECT_EQ(RegValueText({u"NoRun", std::nullopt}), u"\"NoRun\"=-");
    EXPECT_EQ(RegValueText({u"", std::nullopt}), u"@=-");
}

// Lines of at most 80 characters, each but the last ending in ",\", the next starting with
// two spaces; the bytes come back whole.
TEST(RegValueText, LongHexDataIsCarriedOverLinesOfEightyCharacters) {
    std::string bytes;
    for (int i = 0; i < 100; ++i)
        bytes += static_cast<char>(i);
    std::u16string text = RegValueText({u"Attributes", ExactValue{kBinary, bytes}});
    std::vector<std::u16string> lines;
    for (std::size_t start = 0;;) {
        std::size_t end = text.find(u"\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::u16string::npos)
            break;
        start = end + 2;
    }
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(0, 23), u"\"Attributes\"=hex:00,01,");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), 80u) << i;
        if (i > 0) {
            EXPECT_EQ(lines[i].substr(0, 2), u"  ") << i;
        }
        if (i + 1 < lines.size()) {
            EXPECT_EQ(lines[i].substr(lines[i].size() - 2), u",\\") << i;
        }
    }
    EXPECT_EQ(lines.back().substr(lines.back().size() - 2), u"63");

    MemoryRegistryStore store;
    ImportRegFile(
        RegFileContent({{u"HKEY_CURRENT_USER\\T", false, {{u"A", ExactValue{kBinary, bytes}}}}}),
        store);
    EXPECT_EQ(store.OpenKey(RootKey::CurrentUser, "T", false)->QueryExact(u"A"),
              (ExactValue{kBinary, bytes}));
}

TEST(RegFileContent, IsUtf16WithAByteOrderMarkTheHeaderAndABlockPerKey) {
    std::string file = RegFileContent(
        {{u"HKEY_LOCAL_MACHINE\\Software\\SRVT", true, {}},
         {u"HKEY_CURRENT_USER\\Control Panel\\Desktop",
          false,
          {{u"FontSmoothing", ExactValue{kString, Sz(u"2")}}, {u"Gone", std::nullopt}}}});
    std::u16string expected = u"\xFEFF"
                              u"Windows Registry Editor Version 5.00\r\n"
                              u"\r\n"
                              u"[-HKEY_LOCAL_MACHINE\\Software\\SRVT]\r\n"
                              u"\r\n"
                              u"[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
                              u"\"FontSmoothing\"=\"2\"\r\n"
                              u"\"Gone\"=-\r\n"
                              u"\r\n";
    EXPECT_EQ(file, Units(expected));
}

} // namespace
