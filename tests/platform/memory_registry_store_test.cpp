// What the memory store promises beyond the contract: its test helpers, creation order, and
// refusals on keys that do not exist yet.
#include "platform/memory_registry_store.h"

#include <gtest/gtest.h>

namespace {

TEST(MemoryRegistryStore, SnapshotShowsEveryKeyAndValue) {
    MemoryRegistryStore store;
    store.Put(RootKey::CurrentUser, "Software\\App", "Name", RegistryValue::String("x"));
    store.Put(RootKey::ClassesRoot, ".txt", "", RegistryValue::String("txtfile"));
    EXPECT_TRUE(store.OpenKey(RootKey::LocalMachine, "Empty", true));

    RegistrySnapshot expected;
    expected.keys = {"HKEY_CURRENT_USER\\Software",
                     "HKEY_CURRENT_USER\\Software\\App",
                     "HKEY_LOCAL_MACHINE\\Empty",
                     "HKEY_LOCAL_MACHINE\\Software",
                     "HKEY_LOCAL_MACHINE\\Software\\Classes",
                     "HKEY_LOCAL_MACHINE\\Software\\Classes\\.txt"};
    expected.values = {
        {{"HKEY_CURRENT_USER\\Software\\App", "Name"}, RegistryValue::String("x")},
        {{"HKEY_LOCAL_MACHINE\\Software\\Classes\\.txt", ""}, RegistryValue::String("txtfile")},
    };
    EXPECT_EQ(store.Snapshot(), expected);
    EXPECT_EQ(store.Get(RootKey::LocalMachine, "software\\classes\\.TXT", ""),
              RegistryValue::String("txtfile"));
    EXPECT_EQ(store.Get(RootKey::CurrentUser, "Software\\Missing", "Name"), std::nullopt);
}

TEST(MemoryRegistryStore, SnapshotShowsThe32BitViewWhereItLivesAndNamesInWindows1250) {
    MemoryRegistryStore store;
    auto key = store.OpenKeyExact(RootKey::LocalMachine, RegistryView::Bits32,
                                  u"Software\\Программа", true);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->SetExact(u"Имя", ExactValue::Text(RegistryTypeCode::kString, u"Ж")));

    RegistrySnapshot expected;
    expected.keys = {"HKEY_LOCAL_MACHINE\\Software", "HKEY_LOCAL_MACHINE\\Software\\WOW6432Node",
                     "HKEY_LOCAL_MACHINE\\Software\\WOW6432Node\\?????????"};
    expected.values = {{{"HKEY_LOCAL_MACHINE\\Software\\WOW6432Node\\?????????", "???"},
                        RegistryValue::String("?")}};
    EXPECT_EQ(store.Snapshot(), expected);
}

TEST(MemoryRegistryStore, NamesAreListedInCreationOrderAsFirstWritten) {
    MemoryRegistryStore store;
    auto key = store.OpenKey(RootKey::CurrentUser, "K", true);
    for (const char* name : {"zeta", "Alpha", "mid"}) {
        store.OpenKey(RootKey::CurrentUser, std::string("K\\") + name, true);
        key->Set(name, RegistryValue::DWord(1));
    }
    key->Set("ALPHA", RegistryValue::DWord(2));
    EXPECT_EQ(key->SubKeyNames(), (std::vector<std::string>{"zeta", "Alpha", "mid"}));
    EXPECT_EQ(key->ValueNames(), (std::vector<std::string>{"zeta", "Alpha", "mid"}));
    EXPECT_EQ(key->Query("alpha"), RegistryValue::DWord(2));
}

TEST(MemoryRegistryStore, ARefusalCoversAPathThatDoesNotExistYet) {
    MemoryRegistryStore store;
    store.Put(RootKey::CurrentUser, "A", "N", RegistryValue::DWord(1));
    store.RefuseWritesUnder(RootKey::CurrentUser, "A\\B\\C");
    const RegistrySnapshot before = store.Snapshot();

    // Refused at the far end, the create leaves no parents behind.
    EXPECT_EQ(store.OpenKey(RootKey::CurrentUser, "A\\b\\c\\D", true), nullptr);
    EXPECT_EQ(store.Snapshot(), before);
    EXPECT_TRUE(store.OpenKey(RootKey::CurrentUser, "A\\B\\CD", true));
    EXPECT_TRUE(
        store.OpenKey(RootKey::CurrentUser, "A\\B", true)->Set("N", RegistryValue::DWord(2)));
}

TEST(MemoryRegistryStore, ARefusalThroughClassesRootHoldsThroughLocalMachine) {
    MemoryRegistryStore store;
    store.RefuseWritesUnder(RootKey::ClassesRoot, ".txt");
    EXPECT_EQ(store.OpenKey(RootKey::LocalMachine, "Software\\Classes\\.TXT", true), nullptr);
    // Set-up still puts values there, and deleting the key still works.
    store.Put(RootKey::ClassesRoot, ".txt", "", RegistryValue::String("txtfile"));
    EXPECT_FALSE(store.OpenKey(RootKey::LocalMachine, "Software\\Classes\\.txt", false)
                     ->Set("", RegistryValue::String("other")));
    EXPECT_TRUE(store.DeleteKey(RootKey::LocalMachine, "Software\\Classes\\.txt"));
}

} // namespace
