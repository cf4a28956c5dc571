// The rehearsal store: what a rehearsed operation reads is the registry with its own earlier
// changes laid over it, none of them reaches the registry, and all of them are recorded.
#include "platform/memory_registry_store.h"
#include "platform/registry.h"
#include "tests/undo/exact_snapshot.h"
#include "undo/real_keys.h"
#include "undo/rehearsal_store.h"

#include <gtest/gtest.h>

namespace {

const RootKey HKCU = RootKey::CurrentUser;
const RootKey HKLM = RootKey::LocalMachine;

class RehearsalStoreTest : public testing::Test {
protected:
    void SetUp() override {
        registry.Put(HKCU, "Software\\App", "Kept", RegistryValue::String("real"));
        registry.Put(HKCU, "Software\\App\\Old", "Inner", RegistryValue::DWord(7));
        registry.Put(HKCU, "Software\\App\\Other", "", RegistryValue::String("x"));
        before = TakeExactSnapshot(registry);
    }
    void TearDown() override {
        EXPECT_EQ(Differences(before, TakeExactSnapshot(registry)), std::vector<std::string>());
    }

    std::unique_ptr<RegistryKey> Open(const std::u16string& path, bool create = false,
                                      RootKey root = HKCU,
                                      RegistryView view = RegistryView::Bits64) {
        return rehearsal.OpenKeyExact(root, view, path, create);
    }
    static ExactValue Text(std::u16string_view text) {
        return ExactValue::Text(RegistryTypeCode::kString, text);
    }

    MemoryRegistryStore registry;
    ExactSnapshot before;
    RealKeys real{registry};
    RehearsalStore rehearsal{real};
};

TEST_F(RehearsalStoreTest, ALaterReadSeesWhatAnEarlierStepWroteAndTheRegistryDoesNot) {
    {
        TRegistry writer(rehearsal);
        writer.OpenKey("Software\\App", true);
        writer.WriteString("Kept", "rehearsed");
        writer.WriteInteger("New", 5);
        writer.DeleteValue("Missing");
    }
    TRegistry reader(rehearsal);
    ASSERT_TRUE(reader.OpenKey("software\\APP", false));
    EXPECT_EQ(reader.ReadString("Kept"), "rehearsed");
    EXPECT_EQ(reader.ReadInteger("New"), 5);
    EXPECT_FALSE(reader.ValueExists("Missing"));
}

TEST_F(RehearsalStoreTest, ADeletedValueIsGoneAndItsDeletionSaysWhetherItWasThere) {
    auto key = Open(u"Software\\App");
    EXPECT_TRUE(key->DeleteValueExact(u"Kept"));
    EXPECT_FALSE(key->DeleteValueExact(u"Kept"));
    EXPECT_FALSE(key->DeleteValueExact(u"Never"));
    EXPECT_EQ(key->QueryExact(u"Kept"), std::nullopt);
    EXPECT_EQ(key->ValueNamesExact(), std::vector<std::u16string>());
    key->SetExact(u"Kept", Text(u"again"));
    EXPECT_EQ(key->ValueNamesExact(), std::vector<std::u16string>{u"Kept"});
}

TEST_F(RehearsalStoreTest, ADeletedKeyHidesAllItHeldEvenWhenItIsCreatedAgain) {
    EXPECT_TRUE(rehearsal.DeleteKeyExact(HKCU, RegistryView::Bits64, u"Software\\App"));
    EXPECT_FALSE(rehearsal.KeyExistsExact(HKCU, RegistryView::Bits64, u"Software\\App\\Old"));
    EXPECT_EQ(Open(u"Software\\App\\Old"), nullptr);
    EXPECT_FALSE(rehearsal.DeleteKeyExact(HKCU, RegistryView::Bits64, u"Software\\App"));

    auto again = Open(u"Software\\App\\Old", true);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->QueryExact(u"Inner"), std::nullopt);
    auto app = Open(u"Software\\App");
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->QueryExact(u"Kept"), std::nullopt);
    EXPECT_EQ(app->SubKeyNamesExact(), std::vector<std::u16string>{u"Old"});
}

TEST_F(RehearsalStoreTest, SubKeysAreTheRegistrysWithTheCreatedOnesAddedAndTheDeletedOnesLeftOut) {
    rehearsal.DeleteKeyExact(HKCU, RegistryView::Bits64, u"Software\\App\\Old");
    Open(u"Software\\App\\New\\Deeper", true);
    std::vector<std::u16string> expected{u"Other", u"New"};
    EXPECT_EQ(Open(u"Software\\App")->SubKeyNamesExact(), expected);
    EXPECT_TRUE(rehearsal.KeyExistsExact(HKCU, RegistryView::Bits64, u"Software\\App\\New"));
}

TEST_F(RehearsalStoreTest, AHandleOnADeletedKeyNeitherReadsNorWrites) {
    auto key = Open(u"Software\\App\\Old");
    rehearsal.DeleteKeyExact(HKCU, RegistryView::Bits64, u"Software\\App");
    EXPECT_EQ(key->QueryExact(u"Inner"), std::nullopt);
    EXPECT_FALSE(key->SetExact(u"Inner", Text(u"late")));
    EXPECT_TRUE(rehearsal.Record().changedValues.empty());
}

TEST_F(RehearsalStoreTest, AKeyOfThe32BitViewIsRecordedWhereItLives) {
    auto key = Open(u"Software\\Vendor", true, HKLM, RegistryView::Bits32);
    key->SetExact(u"V", Text(u"32"));
    auto seen = Open(u"Software\\WOW6432Node\\Vendor", false, HKLM);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->QueryExact(u"V"), Text(u"32"));
    ASSERT_EQ(rehearsal.Record().createdKeys.size(), 1u);
    EXPECT_EQ(rehearsal.Record().createdKeys[0].FullName(),
              u"HKEY_LOCAL_MACHINE\\Software\\WOW6432Node\\Vendor");
}

TEST_F(RehearsalStoreTest, RecordsEveryCreatingOpenEveryValueWrittenOrDeletedAndEveryKeyDeleted) {
    EXPECT_EQ(Open(u"Software\\Missing"), nullptr);
    Open(u"Software\\App", true)->SetExact(u"Kept", Text(u"1"));
    Open(u"Software\\App\\Other")->DeleteValueExact(u"");
    rehearsal.DeleteKeyExact(HKCU, RegistryView::Bits64, u"Software\\Gone");

    const RehearsalRecord& record = rehearsal.Record();
    ASSERT_EQ(record.createdKeys.size(), 1u);
    EXPECT_EQ(record.createdKeys[0].Path(), u"Software\\App");
    ASSERT_EQ(record.changedValues.size(), 2u);
    EXPECT_EQ(record.changedValues[0].first.Path(), u"Software\\App");
    EXPECT_EQ(record.changedValues[0].second, u"Kept");
    EXPECT_EQ(record.changedValues[1].first.Path(), u"Software\\App\\Other");
    EXPECT_EQ(record.changedValues[1].second, u"");
    ASSERT_EQ(record.deletedKeys.size(), 1u);
    EXPECT_EQ(record.deletedKeys[0].Path(), u"Software\\Gone");
}

} // namespace
