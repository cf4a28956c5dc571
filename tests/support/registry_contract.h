#pragma once
// What every registry store must do, as TRegistry sees it. Included by one test file per
// store, which instantiates the suite with a factory for its store. The real registry lists
// names in its own order, so the suite compares names as sets.
#include "platform/exceptions.h"
#include "platform/registry.h"
#include "platform/registry_view.h"
#include "platform/string_list.h"
#include "platform/text_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// A store to test and the means to make it refuse writes.
class RegistryContractTarget {
public:
    virtual ~RegistryContractTarget() = default;
    virtual RegistryStore& Store() = 0;
    // Makes creating keys and setting or deleting values at or below an existing key fail.
    virtual void RefuseWritesUnder(RootKey root, const std::string& path) = 0;
};

// The suite's parameter: a store by name, so test names say which store failed.
struct RegistryContractStore {
    const char* name;
    std::unique_ptr<RegistryContractTarget> (*make)();
};

inline void PrintTo(const RegistryContractStore& store, std::ostream* out) {
    *out << store.name;
}

// "Zażółć gęślą jaźń" and other Polish names, as the program holds them: Windows-1250.
inline const std::string kPolishText = "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1";
inline const std::string kPolishKeyLower = "G\xEA\x9C"; // "gęś" with a capital G
inline const std::string kPolishKeyUpper = "G\xCA\x8C"; // "GĘŚ"
inline const std::string kPolishValueName = "\x8F"
                                            "d\x9F"
                                            "b\xB3"
                                            "o"; // "Źdźbło"

// The text of the registry error an action raises, or "no error".
inline std::string RegistryErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ERegistryException& error) {
        return error.what();
    }
    return "no error";
}

// Names outside Windows-1250: Cyrillic, CJK, and a character beyond the 16-bit range.
inline const std::u16string kCyrillicKey = u"Ключ";
inline const std::u16string kCjkKey = u"鍵";
inline const std::u16string kSmileKey = u"\U0001F600x";
inline const std::u16string kCyrillicValueName = u"Значение";

// A value's type code and bytes in hexadecimal, so a failure shows them.
inline void PrintTo(const ExactValue& value, std::ostream* out) {
    *out << "type " << value.type << ",";
    const char* digits = "0123456789ABCDEF";
    for (unsigned char byte : value.bytes)
        *out << ' ' << digits[byte >> 4] << digits[byte & 0xF];
}

template <typename Name> std::vector<Name> Sorted(std::vector<Name> names) {
    std::sort(names.begin(), names.end());
    return names;
}

class RegistryContract : public testing::TestWithParam<RegistryContractStore> {
protected:
    RegistryContract() : target_(GetParam().make()), store_(target_->Store()), reg_(store_) {}

    void SetUp() override { RemoveScratch(); }
    void TearDown() override {
        reg_.CloseKey();
        RemoveScratch();
    }

    // The keys a test may use: one under HKEY_CURRENT_USER and one under
    // HKEY_CLASSES_ROOT, both named after the test so that tests never share data.
    std::string Scratch(const std::string& below = "") const {
        return "Software\\SorvantoTests\\" + TestName() + (below.empty() ? "" : "\\" + below);
    }
    std::string ClassesScratch() const { return "SorvantoTests\\" + TestName(); }
    std::u16string ExactScratch(const std::u16string& below = u"") const {
        return Cp1250ToUtf16(Scratch()) + (below.empty() ? u"" : u"\\" + below);
    }

    std::optional<RegistryValue> Stored(RootKey root, const std::string& path,
                                        const std::string& name) {
        auto key = store_.OpenKey(root, path, false);
        return key ? key->Query(name) : std::nullopt;
    }
    std::vector<std::string> StoredValueNames(const std::string& path) {
        auto key = store_.OpenKey(RootKey::CurrentUser, path, false);
        return key ? Sorted(key->ValueNames()) : std::vector<std::string>{"no such key"};
    }

    std::unique_ptr<RegistryContractTarget> target_;
    RegistryStore& store_;
    TRegistry reg_;

private:
    static std::string TestName() {
        return testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    void RemoveScratch() {
        store_.DeleteKey(RootKey::CurrentUser, Scratch());
        store_.DeleteKey(RootKey::ClassesRoot, ClassesScratch());
        for (RegistryView view : {RegistryView::Bits64, RegistryView::Bits32})
            store_.DeleteKeyExact(RootKey::LocalMachine, view, ExactScratch());
    }
};

TEST_P(RegistryContract, ValuesKeepTheirExactTypeAndBytes) {
    struct Case {
        const char* name;
        std::function<void(TRegistry&)> write;
        RegistryValue stored;
        TRegDataType type;
        int size;
    };
    const std::string binary("\x00\x01\xFF\x80\x00", 5);
    const Case cases[] = {
        {"Text", [&](TRegistry& r) { r.WriteString("Text", kPolishText); },
         RegistryValue::String(kPolishText), TRegDataType::rdString, 18},
        {"Empty", [](TRegistry& r) { r.WriteString("Empty", ""); }, RegistryValue::String(""),
         TRegDataType::rdString, 1},
        {"Expand", [](TRegistry& r) { r.WriteExpandString("Expand", "%SystemRoot%\\x.dll"); },
         RegistryValue::ExpandString("%SystemRoot%\\x.dll"), TRegDataType::rdExpandString, 19},
        {"Number", [](TRegistry& r) { r.WriteInteger("Number", -2); },
         RegistryValue{RegistryType::DWord, "\xFE\xFF\xFF\xFF"}, TRegDataType::rdInteger, 4},
        {"Big", [](TRegistry& r) { r.WriteInteger("Big", 0x12345678); },
         RegistryValue{RegistryType::DWord, "\x78\x56\x34\x12"}, TRegDataType::rdInteger, 4},
        {"Blob", [&](TRegistry& r) { r.WriteBinaryData("Blob", binary.data(), 5); },
         RegistryValue::Binary(binary), TRegDataType::rdBinary, 5},
        {"NoBytes", [](TRegistry& r) { r.WriteBinaryData("NoBytes", nullptr, 0); },
         RegistryValue::Binary(""), TRegDataType::rdBinary, 0},
    };
    ASSERT_TRUE(reg_.OpenKey(Scratch(), true));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.write(reg_);
        EXPECT_EQ(Stored(RootKey::CurrentUser, Scratch(), c.name), c.stored);
        EXPECT_TRUE(reg_.ValueExists(c.name));
        EXPECT_EQ(reg_.GetDataType(c.name), c.type);
        EXPECT_EQ(reg_.GetDataSize(c.name), c.size);
        // Strings come with their NUL, so the bytes are exactly GetDataSize of them.
        std::string bytes(32, '\xAA');
        ASSERT_EQ(reg_.ReadBinaryData(c.name, bytes.data(), 32), c.size);
        bool text = c.type == TRegDataType::rdString || c.type == TRegDataType::rdExpandString;
        EXPECT_EQ(bytes.substr(0, c.size), text ? c.stored.data + '\0' : c.stored.data);
        if (text) {
            EXPECT_EQ(reg_.ReadString(c.name), c.stored.data);
        }
        if (c.type == TRegDataType::rdInteger) {
            EXPECT_EQ(static_cast<std::uint32_t>(reg_.ReadInteger(c.name)), c.stored.AsDWord());
        }
    }
}

TEST_P(RegistryContract, AMissingValueIsReportedAsMissing) {
    ASSERT_TRUE(reg_.OpenKey(Scratch(), true));
    char buffer[4] = {};
    EXPECT_FALSE(reg_.ValueExists("Nothing"));
    EXPECT_EQ(reg_.GetDataType("Nothing"), TRegDataType::rdUnknown);
    EXPECT_EQ(reg_.GetDataSize("Nothing"), -1);
    EXPECT_EQ(reg_.ReadString("Nothing"), "");
    EXPECT_EQ(reg_.ReadBinaryData("Nothing", buffer, 4), 0);
    EXPECT_EQ(RegistryErrorOf([&] { reg_.ReadInteger("Nothing"); }),
              "Failed to get data for 'Nothing'");
    EXPECT_FALSE(reg_.DeleteValue("Nothing"));
}

TEST_P(RegistryContract, DeleteValueRemovesOnlyThatValue) {
    ASSERT_TRUE(reg_.OpenKey(Scratch(), true));
    reg_.WriteString("Goes", "1");
    reg_.WriteString("Stays", "2");
    EXPECT_TRUE(reg_.DeleteValue("goes"));
    EXPECT_FALSE(reg_.DeleteValue("Goes"));
    EXPECT_EQ(StoredValueNames(Scratch()), std::vector<std::string>{"Stays"});
}

TEST_P(RegistryContract, TheDefaultValueIsTheEmptyName) {
    ASSERT_TRUE(reg_.OpenKey(Scratch(), true));
    EXPECT_FALSE(reg_.ValueExists(""));
    reg_.WriteString("", "default");
    EXPECT_EQ(reg_.ReadString(""), "default");
    EXPECT_EQ(StoredValueNames(Scratch()), std::vector<std::string>{""});
    EXPECT_EQ(Stored(RootKey::CurrentUser, Scratch(), ""), RegistryValue::String("default"));
}

TEST_P(RegistryContract, KeyAndValueNamesIgnoreLetterCase) {
    ASSERT_TRUE(reg_.OpenKey(Scratch("Mixed\\" + kPolishKeyLower), true));
    reg_.WriteString("Value", "first");
    reg_.WriteString("VALUE", "second");
    EXPECT_EQ(StoredValueNames(Scratch("Mixed\\" + kPolishKeyLower)),
              std::vector<std::string>{"Value"});

    EXPECT_TRUE(reg_.KeyExists(Scratch("MIXED\\" + kPolishKeyUpper)));
    ASSERT_TRUE(reg_.OpenKey(Scratch("mixed\\" + kPolishKeyUpper), false));
    EXPECT_EQ(reg_.ReadString("value"), "second");

    ASSERT_TRUE(reg_.OpenKey(Scratch(), false));
    TStringList names;
    reg_.GetKeyNames(names);
    EXPECT_EQ(names.Lines(), std::vector<std::string>{"Mixed"});
}

TEST_P(RegistryContract, PolishKeyAndValueNamesSurvive) {
    ASSERT_TRUE(reg_.OpenKey(Scratch(kPolishKeyLower), true));
    reg_.WriteString(kPolishValueName, kPolishText);
    EXPECT_EQ(StoredValueNames(Scratch(kPolishKeyLower)),
              std::vector<std::string>{kPolishValueName});

    ASSERT_TRUE(reg_.OpenKey(Scratch(), false));
    TStringList names;
    reg_.GetKeyNames(names);
    EXPECT_EQ(names.Lines(), std::vector<std::string>{kPolishKeyLower});
}

TEST_P(RegistryContract, OpeningAMissingKeyWithoutCreateFailsAndCreatesNothing) {
    EXPECT_FALSE(reg_.OpenKey(Scratch("Parent\\Child"), false));
    EXPECT_FALSE(reg_.HasCurrentKey());
    EXPECT_FALSE(reg_.KeyExists(Scratch()));
}

TEST_P(RegistryContract, OpeningWithCreateMakesTheMissingParents) {
    EXPECT_TRUE(reg_.OpenKey(Scratch("A\\B\\C"), true));
    EXPECT_EQ(reg_.CurrentPath(), Scratch("A\\B\\C"));
    for (const char* path : {"A", "A\\B", "A\\B\\C"}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(reg_.KeyExists(Scratch(path)));
    }
    // An existing key opens the same way with or without create.
    EXPECT_TRUE(reg_.OpenKey(Scratch("A\\B"), false));
    EXPECT_TRUE(reg_.OpenKey(Scratch("A\\B"), true));
}

TEST_P(RegistryContract, DeleteKeyRemovesEverythingBelowAndNothingBeside) {
    for (const char* path : {"A\\B\\C", "A\\D", "AB"}) {
        ASSERT_TRUE(reg_.OpenKey(Scratch(path), true));
        reg_.WriteInteger("N", 1);
    }
    reg_.CloseKey();

    EXPECT_TRUE(reg_.DeleteKey(Scratch("a")));
    for (const char* path : {"A", "A\\B", "A\\B\\C", "A\\D"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(reg_.KeyExists(Scratch(path)));
    }
    EXPECT_EQ(Stored(RootKey::CurrentUser, Scratch("AB"), "N"), RegistryValue::DWord(1));
    EXPECT_FALSE(reg_.DeleteKey(Scratch("A")));
    EXPECT_FALSE(reg_.DeleteKey(Scratch("Missing\\Below")));
}

TEST_P(RegistryContract, GetKeyNamesListsTheImmediateSubKeys) {
    for (const char* path : {"Beta", "alpha", "Gamma\\Deep"})
        ASSERT_TRUE(reg_.OpenKey(Scratch(path), true));
    ASSERT_TRUE(reg_.OpenKey(Scratch(), false));
    reg_.WriteString("NotAKey", "");
    TStringList names;
    names.Add("stale");
    reg_.GetKeyNames(names);
    EXPECT_EQ(Sorted(names.Lines()), (std::vector<std::string>{"Beta", "Gamma", "alpha"}));
}

TEST_P(RegistryContract, ClassesRootIsLocalMachineSoftwareClasses) {
    const std::string viaMachine = "Software\\Classes\\" + ClassesScratch();
    TRegistry machine(store_);
    machine.SetRootKey(RootKey::LocalMachine);
    reg_.SetRootKey(RootKey::ClassesRoot);

    ASSERT_TRUE(reg_.OpenKey(ClassesScratch() + "\\FromRoot", true));
    reg_.WriteString("", "root");
    ASSERT_TRUE(machine.OpenKey(viaMachine + "\\FROMROOT", false));
    EXPECT_EQ(machine.ReadString(""), "root");

    ASSERT_TRUE(machine.OpenKey(viaMachine + "\\FromMachine", true));
    machine.WriteInteger("N", 7);
    ASSERT_TRUE(reg_.OpenKey(ClassesScratch() + "\\frommachine", false));
    EXPECT_EQ(reg_.ReadInteger("N"), 7);

    EXPECT_TRUE(machine.DeleteKey(viaMachine));
    EXPECT_FALSE(reg_.KeyExists(ClassesScratch()));
}

TEST_P(RegistryContract, ARefusedWriteRaisesAndChangesNothing) {
    ASSERT_TRUE(reg_.OpenKey(Scratch("Locked\\Inner"), true));
    ASSERT_TRUE(reg_.OpenKey(Scratch("Locked"), false));
    reg_.WriteString("Kept", "old");
    reg_.CloseKey();
    target_->RefuseWritesUnder(RootKey::CurrentUser, Scratch("Locked"));

    struct Case {
        const char* name;
        std::function<void(TRegistry&)> write;
    };
    const Case writes[] = {
        {"Kept", [](TRegistry& r) { r.WriteString("Kept", "new"); }},
        {"Fresh", [](TRegistry& r) { r.WriteString("Fresh", "new"); }},
        {"Path", [](TRegistry& r) { r.WriteExpandString("Path", "%TEMP%"); }},
        {"Number", [](TRegistry& r) { r.WriteInteger("Number", 1); }},
        {"Blob", [](TRegistry& r) { r.WriteBinaryData("Blob", "xy", 2); }},
    };
    for (const char* path : {"Locked", "Locked\\Inner"}) {
        SCOPED_TRACE(path);
        // The key still opens, for reading.
        ASSERT_TRUE(reg_.OpenKey(Scratch(path), true));
        for (const Case& c : writes) {
            SCOPED_TRACE(c.name);
            EXPECT_EQ(RegistryErrorOf([&] { c.write(reg_); }),
                      std::string("Failed to set data for '") + c.name + "'");
        }
        EXPECT_FALSE(reg_.OpenKey(Scratch(std::string(path) + "\\New\\Deeper"), true));
        EXPECT_FALSE(reg_.KeyExists(Scratch(std::string(path) + "\\New")));
    }
    ASSERT_TRUE(reg_.OpenKey(Scratch("Locked"), false));
    EXPECT_FALSE(reg_.DeleteValue("Kept"));
    EXPECT_EQ(reg_.ReadString("Kept"), "old");
    EXPECT_EQ(StoredValueNames(Scratch("Locked")), std::vector<std::string>{"Kept"});
    EXPECT_EQ(StoredValueNames(Scratch("Locked\\Inner")), std::vector<std::string>{});
}

TEST_P(RegistryContract, ReadBinaryDataRefusesABufferTooSmall) {
    ASSERT_TRUE(reg_.OpenKey(Scratch(), true));
    reg_.WriteBinaryData("Blob", "12345678", 8);
    reg_.WriteString("Text", "abc");
    struct Case {
        const char* name;
        int fits; // the smallest buffer that takes the value
        std::string bytes;
    };
    for (const Case& c : {Case{"Blob", 8, "12345678"}, Case{"Text", 4, std::string("abc\0", 4)}}) {
        SCOPED_TRACE(c.name);
        std::string buffer(16, '#');
        EXPECT_EQ(RegistryErrorOf([&] { reg_.ReadBinaryData(c.name, buffer.data(), c.fits - 1); }),
                  std::string("Failed to get data for '") + c.name + "'");
        EXPECT_EQ(buffer, std::string(16, '#'));
        EXPECT_EQ(reg_.ReadBinaryData(c.name, buffer.data(), c.fits), c.fits);
        EXPECT_EQ(buffer.substr(0, c.fits), c.bytes);
    }
}

TEST_P(RegistryContract, ReadingTheWrongTypeRaises) {
    ASSERT_TRUE(reg_.OpenKey(Scratch(), true));
    reg_.WriteInteger("Number", 1);
    reg_.WriteBinaryData("Blob", "ab", 2);
    reg_.WriteString("Text", "12");
    reg_.WriteExpandString("Expand", "12");
    struct Case {
        const char* name;
        std::function<void(TRegistry&)> read;
    };
    const Case cases[] = {
        {"Number", [](TRegistry& r) { r.ReadString("Number"); }},
        {"Blob", [](TRegistry& r) { r.ReadString("Blob"); }},
        {"Text", [](TRegistry& r) { r.ReadInteger("Text"); }},
        {"Expand", [](TRegistry& r) { r.ReadInteger("Expand"); }},
        {"Blob", [](TRegistry& r) { r.ReadInteger("Blob"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RegistryErrorOf([&] { c.read(reg_); }),
                  std::string("Invalid data type for '") + c.name + "'");
    }
}

TEST_P(RegistryContract, OtherValueTypesKeepTheirBytesButAreUnknown) {
    const RegistryValue other{RegistryType::Other, std::string("a\0b\0", 4)};
    auto key = store_.OpenKey(RootKey::CurrentUser, Scratch(), true);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->Set("Other", other));
    EXPECT_EQ(key->Query("Other"), other);

    ASSERT_TRUE(reg_.OpenKey(Scratch(), false));
    EXPECT_EQ(reg_.GetDataType("Other"), TRegDataType::rdUnknown);
    EXPECT_EQ(reg_.GetDataSize("Other"), 4);
    EXPECT_EQ(RegistryErrorOf([&] { reg_.ReadString("Other"); }), "Invalid data type for 'Other'");
}

TEST_P(RegistryContract, AKeyDeletedWhileOpenFindsNothingAndTakesNoWrites) {
    ASSERT_TRUE(reg_.OpenKey(Scratch("Gone"), true));
    reg_.WriteString("Value", "x");
    TRegistry other(store_);
    ASSERT_TRUE(other.DeleteKey(Scratch("Gone")));

    EXPECT_FALSE(reg_.ValueExists("Value"));
    EXPECT_EQ(RegistryErrorOf([&] { reg_.WriteString("Value", "y"); }),
              "Failed to set data for 'Value'");
    EXPECT_FALSE(reg_.KeyExists(Scratch("Gone")));

    // A new key of the same name is another key.
    ASSERT_TRUE(other.OpenKey(Scratch("Gone"), true));
    EXPECT_EQ(RegistryErrorOf([&] { reg_.WriteString("Value", "y"); }),
              "Failed to set data for 'Value'");
    EXPECT_FALSE(other.ValueExists("Value"));
}

TEST_P(RegistryContract, TheThirtyTwoBitViewOfMachineSoftwareLivesUnderWow6432Node) {
    struct Case {
        RootKey root;
        std::string realPath; // where the 64-bit view finds the key
        bool apart;           // whether the plain path is another key
    };
    const std::string below = "SorvantoTests\\" + Scratch().substr(Scratch().rfind('\\') + 1);
    const Case cases[] = {
        {RootKey::LocalMachine, "Software\\WOW6432Node\\" + below + "\\Program", true},
        {RootKey::CurrentUser, Scratch("Program"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.realPath);
        TRegistry view32(store_);
        view32.SetRootKey(c.root);
        view32.SetView(RegistryView::Bits32);
        ASSERT_TRUE(view32.OpenKey(Scratch("Program"), true));
        view32.WriteString("Bits", "32");
        EXPECT_EQ(Utf16ToCp1250(PathIn64BitView(c.root, RegistryView::Bits32,
                                                Cp1250ToUtf16(Scratch("Program")))),
                  c.realPath);

        reg_.SetRootKey(c.root);
        ASSERT_TRUE(reg_.OpenKey(c.realPath, false));
        EXPECT_EQ(reg_.ReadString("Bits"), "32");
        EXPECT_EQ(reg_.KeyExists(Scratch()), !c.apart);

        // Written at the real path, a key shows in the 32-bit view at the plain one.
        ASSERT_TRUE(reg_.OpenKey(c.realPath + "\\Written64", true));
        EXPECT_TRUE(view32.KeyExists(Scratch("Program\\Written64")));
    }
}

TEST_P(RegistryContract, NamesOutsideWindows1250AreCreatedListedReadAndDeletedExactly) {
    const std::vector<std::u16string> keys = {kCyrillicKey, kCjkKey, kSmileKey};
    for (const std::u16string& key : keys)
        ASSERT_TRUE(reg_.OpenKey(ExactScratch(key), true));
    ASSERT_TRUE(reg_.OpenKey(ExactScratch(kCyrillicKey), false));
    const ExactValue text = ExactValue::Text(RegistryTypeCode::kString, u"Текст 鍵");
    reg_.WriteExact(kCyrillicValueName, text);
    reg_.WriteExact(u"値", ExactValue{RegistryTypeCode::kDWord, std::string("\x01\0\0\0", 4)});
    std::vector<std::u16string> names;
    reg_.GetValueNames(names);
    EXPECT_EQ(Sorted(names), Sorted<std::u16string>({kCyrillicValueName, u"値"}));

    ASSERT_TRUE(reg_.OpenKey(ExactScratch(), false));
    reg_.GetKeyNames(names);
    EXPECT_EQ(Sorted(names), Sorted(keys));
    // Windows-1250 sees them with "?", and a key so named is another key.
    TStringList narrow;
    reg_.GetKeyNames(narrow);
    EXPECT_EQ(Sorted(narrow.Lines()), (std::vector<std::string>{"?", "????", "?x"}));
    EXPECT_FALSE(reg_.KeyExists(Scratch("????")));

    // Letter case is ignored beyond ASCII too.
    ASSERT_TRUE(reg_.OpenKey(ExactScratch(u"КЛЮЧ"), false));
    EXPECT_EQ(reg_.ReadExact(u"ЗНАЧЕНИЕ"), text);
    EXPECT_EQ(reg_.ReadString("????????"), "");
    EXPECT_TRUE(reg_.DeleteKey(ExactScratch(u"клюЧ")));
    EXPECT_FALSE(reg_.HasCurrentKey());
    EXPECT_FALSE(reg_.KeyExists(ExactScratch(kCyrillicKey)));
    EXPECT_TRUE(reg_.KeyExists(ExactScratch(kCjkKey)));
    EXPECT_TRUE(reg_.KeyExists(ExactScratch(kSmileKey)));
    EXPECT_FALSE(reg_.DeleteKey(ExactScratch(kCyrillicKey)));
}

TEST_P(RegistryContract, EveryValueTypeKeepsItsCodeAndBytes) {
    using namespace RegistryTypeCode;
    struct Case {
        const char16_t* name;
        ExactValue value;
        TRegDataType seenAs; // through the Windows-1250 accessors
    };
    const Case cases[] = {
        {u"Text", ExactValue::Text(kString, u"Ключ 鍵"), TRegDataType::rdString},
        {u"NoNul", {kString, std::string("a\0b\0", 4)}, TRegDataType::rdString},
        {u"OddBytes", {kString, std::string("a\0b", 3)}, TRegDataType::rdString},
        {u"NoBytes", {kString, ""}, TRegDataType::rdString},
        {u"Expand", ExactValue::Text(kExpandString, u"%ProgramFiles%\\Программа"),
         TRegDataType::rdExpandString},
        {u"Multi", {kMultiString, std::string("a\0\0\0b\0\0\0\0\0", 10)}, TRegDataType::rdUnknown},
        {u"Quad", {kQWord, "\x08\x07\x06\x05\x04\x03\x02\x01"}, TRegDataType::rdUnknown},
        {u"Number", {kDWord, "\x78\x56\x34\x12"}, TRegDataType::rdInteger},
        {u"BigEndian", {5, std::string("\0\0\0\x01", 4)}, TRegDataType::rdUnknown},
        {u"Blob", {kBinary, std::string("\0\xFF", 2)}, TRegDataType::rdBinary},
        {u"EmptyBlob", {kBinary, ""}, TRegDataType::rdBinary},
        {u"None", {kNone, ""}, TRegDataType::rdUnknown},
        {u"NoneBytes", {kNone, "\x01\x02"}, TRegDataType::rdUnknown},
        {u"Unknown", {0x12345678, "\x09\x08\x07"}, TRegDataType::rdUnknown},
    };
    ASSERT_TRUE(reg_.OpenKey(Scratch(), true));
    for (const Case& c : cases)
        reg_.WriteExact(c.name, c.value);

    TRegistry reader(store_);
    ASSERT_TRUE(reader.OpenKey(Scratch(), false));
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf16ToCp1250(c.name));
        EXPECT_EQ(reader.ReadExact(c.name), c.value);
        EXPECT_EQ(reader.GetDataType(Utf16ToCp1250(c.name)), c.seenAs);
    }
    EXPECT_EQ(reader.ReadString("Text"), "???? ?");
    EXPECT_EQ(reader.ReadString("NoNul"), "ab");
    EXPECT_EQ(reader.ReadString("OddBytes"), "a");
}

TEST_P(RegistryContract, WindowsTextIsStoredAsUtf16WithItsNul) {
    using namespace RegistryTypeCode;
    struct Case {
        const char* name;
        std::function<void(TRegistry&)> write;
        ExactValue stored;
    };
    const Case cases[] = {
        {"Text", [](TRegistry& r) { r.WriteString("Text", kPolishText); },
         ExactValue::Text(kString, u"Zażółć gęślą jaźń")},
        {"Empty",
         [](TRegistry& r) { r.WriteString("Empty", ""); },
         {kString, std::string(2, '\0')}},
        {"Expand", [](TRegistry& r) { r.WriteExpandString("Expand", "%TEMP%\\\xB3"); },
         ExactValue::Text(kExpandString, u"%TEMP%\\ł")},
        {"Number",
         [](TRegistry& r) { r.WriteInteger("Number", -2); },
         {kDWord, "\xFE\xFF\xFF\xFF"}},
        {"Blob",
         [](TRegistry& r) { r.WriteBinaryData("Blob", "\x01\x80", 2); },
         {kBinary, "\x01\x80"}},
    };
    ASSERT_TRUE(reg_.OpenKey(Scratch(), true));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.write(reg_);
        EXPECT_EQ(reg_.ReadExact(Cp1250ToUtf16(c.name)), c.stored);
    }
}

TEST_P(RegistryContract, ATreeIsDeletedByItsExactNameInThe32BitView) {
    TRegistry view32(store_);
    view32.SetRootKey(RootKey::LocalMachine);
    view32.SetView(RegistryView::Bits32);
    const std::u16string entry = ExactScratch(u"Программа");
    for (const char16_t* below : {u"", u"\\Sub", u"\\Sub\\Deep"}) {
        ASSERT_TRUE(view32.OpenKey(entry + below, true));
        view32.WriteExact(kCyrillicValueName, ExactValue::Text(RegistryTypeCode::kString, u"x"));
    }
    ASSERT_TRUE(view32.OpenKey(ExactScratch(u"Программа2"), true));
    TRegistry view64(store_);
    view64.SetRootKey(RootKey::LocalMachine);
    ASSERT_TRUE(view64.OpenKey(entry, true));
    view64.CloseKey();

    ASSERT_TRUE(view32.OpenKey(entry + u"\\Sub", false));
    EXPECT_TRUE(view32.DeleteKey(ExactScratch(u"ПРОГРАММА")));
    EXPECT_FALSE(view32.HasCurrentKey());
    EXPECT_FALSE(view32.KeyExists(entry));
    EXPECT_FALSE(view32.KeyExists(entry + u"\\Sub"));
    EXPECT_TRUE(view32.KeyExists(ExactScratch(u"Программа2")));
    // The key of the same name in the 64-bit view is another key.
    EXPECT_TRUE(view64.KeyExists(entry));
    EXPECT_FALSE(view32.DeleteKey(entry));
}

TEST_P(RegistryContract, AKeyThatRefusesWritesCanStillBeDeletedWithAllBelowIt) {
    ASSERT_TRUE(reg_.OpenKey(Scratch("Locked\\Inner"), true));
    reg_.WriteString("Kept", "old");
    reg_.CloseKey();
    target_->RefuseWritesUnder(RootKey::CurrentUser, Scratch("Locked"));
    EXPECT_TRUE(reg_.DeleteKey(Scratch("Locked")));
    EXPECT_FALSE(reg_.KeyExists(Scratch("Locked")));
}
