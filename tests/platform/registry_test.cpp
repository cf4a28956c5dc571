// TRegistry's own rules, beyond what any store does.
#include "platform/registry.h"

#include "platform/exceptions.h"
#include "platform/memory_registry_store.h"
#include "platform/string_list.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ERegistryException& error) {
        return error.what();
    }
    return "no error";
}

class TRegistryTest : public testing::Test {
protected:
    MemoryRegistryStore store_;
    TRegistry reg_{store_};
};

TEST_F(TRegistryTest, StartsAtCurrentUserWithNoKeyOpen) {
    EXPECT_EQ(reg_.RootKey(), RootKey::CurrentUser);
    EXPECT_FALSE(reg_.HasCurrentKey());
    ASSERT_TRUE(reg_.OpenKey("Software\\App", true));
    reg_.WriteInteger("N", 1);
    EXPECT_EQ(store_.Get(RootKey::CurrentUser, "Software\\App", "N"), RegistryValue::DWord(1));
}

TEST_F(TRegistryTest, OpeningAnotherKeyClosesTheFirst) {
    ASSERT_TRUE(reg_.OpenKey("First", true));
    ASSERT_TRUE(reg_.OpenKey("Second", true));
    EXPECT_EQ(reg_.CurrentPath(), "Second");
    reg_.WriteString("Where", "here");
    EXPECT_EQ(store_.Get(RootKey::CurrentUser, "Second", "Where"), RegistryValue::String("here"));
    EXPECT_EQ(store_.Get(RootKey::CurrentUser, "First", "Where"), std::nullopt);

    // A failed open leaves no key open at all.
    EXPECT_FALSE(reg_.OpenKey("Missing", false));
    EXPECT_FALSE(reg_.HasCurrentKey());
    EXPECT_EQ(reg_.CurrentPath(), "");
    EXPECT_EQ(ErrorOf([&] { reg_.WriteString("Where", "lost"); }),
              "Failed to set data for 'Where'");
}

TEST_F(TRegistryTest, SetRootKeyClosesTheOpenKey) {
    ASSERT_TRUE(reg_.OpenKey("Software", true));
    reg_.SetRootKey(RootKey::LocalMachine);
    EXPECT_FALSE(reg_.HasCurrentKey());
    EXPECT_EQ(reg_.RootKey(), RootKey::LocalMachine);
    ASSERT_TRUE(reg_.OpenKey("Software", true));
    reg_.WriteString("Root", "machine");
    EXPECT_EQ(store_.Get(RootKey::LocalMachine, "Software", "Root"),
              RegistryValue::String("machine"));
}

TEST_F(TRegistryTest, SetViewClosesTheOpenKeyAndKeysOpenInTheNewView) {
    EXPECT_EQ(reg_.View(), RegistryView::Bits64);
    reg_.SetRootKey(RootKey::LocalMachine);
    ASSERT_TRUE(reg_.OpenKey("Software\\App", true));
    reg_.SetView(RegistryView::Bits32);
    EXPECT_FALSE(reg_.HasCurrentKey());
    EXPECT_EQ(reg_.RootKey(), RootKey::LocalMachine);
    ASSERT_TRUE(reg_.OpenKey(u"Software\\App", true));
    reg_.WriteString("Bits", "32");
    EXPECT_EQ(reg_.CurrentPath(), "Software\\App");
    EXPECT_EQ(store_.Get(RootKey::LocalMachine, "Software\\WOW6432Node\\App", "Bits"),
              RegistryValue::String("32"));
    EXPECT_EQ(store_.Get(RootKey::LocalMachine, "Software\\App", "Bits"), std::nullopt);
}

TEST_F(TRegistryTest, ALeadingBackslashStillMeansBelowTheRoot) {
    ASSERT_TRUE(reg_.OpenKey("\\Software\\App", true));
    EXPECT_EQ(reg_.CurrentPath(), "Software\\App");
    EXPECT_TRUE(reg_.KeyExists("\\Software\\App"));
    EXPECT_TRUE(reg_.KeyExists("Software\\App"));
    EXPECT_TRUE(reg_.DeleteKey("\\Software\\App"));
    EXPECT_FALSE(reg_.KeyExists("Software\\App"));
}

TEST_F(TRegistryTest, WithNoKeyOpenNothingExistsAndWritesFail) {
    TStringList names;
    names.Add("stale");
    char buffer[4];
    EXPECT_FALSE(reg_.ValueExists(""));
    EXPECT_EQ(reg_.GetDataType("X"), TRegDataType::rdUnknown);
    EXPECT_EQ(reg_.GetDataSize("X"), -1);
    EXPECT_EQ(reg_.ReadString("X"), "");
    EXPECT_EQ(reg_.ReadBinaryData("X", buffer, 4), 0);
    EXPECT_FALSE(reg_.DeleteValue("X"));
    reg_.GetKeyNames(names);
    EXPECT_EQ(names.Count(), 0);
    EXPECT_EQ(ErrorOf([&] { reg_.ReadInteger("X"); }), "Failed to get data for 'X'");
    EXPECT_EQ(ErrorOf([&] { reg_.WriteInteger("X", 1); }), "Failed to set data for 'X'");
    EXPECT_EQ(store_.Snapshot(), RegistrySnapshot{});
}

TEST_F(TRegistryTest, WithNoKeyOpenTheExactAccessorsFindNothingAndWritesFail) {
    std::vector<std::u16string> names = {u"stale"};
    EXPECT_EQ(reg_.ReadExact(u"X"), std::nullopt);
    reg_.GetKeyNames(names);
    EXPECT_TRUE(names.empty());
    names = {u"stale"};
    reg_.GetValueNames(names);
    EXPECT_TRUE(names.empty());
    // The message names the value in Windows-1250, as every registry error does.
    EXPECT_EQ(ErrorOf([&] { reg_.WriteExact(u"Ключ ł", ExactValue{}); }),
              "Failed to set data for '???? \xB3'");
    EXPECT_EQ(store_.Snapshot(), RegistrySnapshot{});
}

TEST_F(TRegistryTest, DeleteKeyClosesTheOpenKeyOnlyWhenItGoes) {
    struct Case {
        const char* open;
        const char* deleted;
        bool staysOpen;
    };
    const Case cases[] = {
        {"A\\B", "A\\B", false}, {"A\\B", "a\\b", false}, {"A\\B", "A", false},
        {"A\\B", "\\A", false},  {"AB", "A", true},       {"A", "A\\B", true},
        {"A\\BC", "A\\B", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.open) + " / " + c.deleted);
        ASSERT_TRUE(reg_.OpenKey("A\\B", true));
        ASSERT_TRUE(reg_.OpenKey(c.open, true));
        EXPECT_TRUE(reg_.DeleteKey(c.deleted));
        EXPECT_EQ(reg_.HasCurrentKey(), c.staysOpen);
        reg_.CloseKey();
        store_.DeleteKey(RootKey::CurrentUser, "A");
        store_.DeleteKey(RootKey::CurrentUser, "AB");
    }
}

TEST_F(TRegistryTest, TheWholeRootIsNeverDeleted) {
    store_.Put(RootKey::CurrentUser, "Software", "Keep", RegistryValue::DWord(1));
    const RegistrySnapshot before = store_.Snapshot();
    EXPECT_FALSE(reg_.DeleteKey(""));
    EXPECT_FALSE(reg_.DeleteKey("\\"));
    EXPECT_EQ(store_.Snapshot(), before);
}

} // namespace
