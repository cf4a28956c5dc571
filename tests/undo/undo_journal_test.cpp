// What the journal does when it cannot know: a rehearsal that raises stops the operation
// before anything is written, and a key that exists but cannot be read is never taken for a
// new one, whose removal would take it away.
#include "platform/exceptions.h"
#include "tests/support/fake_platform.h"
#include "undo/undo_journal.h"

#include <gtest/gtest.h>

namespace {

constexpr RootKey HKCU = RootKey::CurrentUser;

TEST(UndoJournal, ARehearsalThatRaisesWritesNoJournalAndNothingElse) {
    FakePlatform platform;
    RegistrySnapshot before = platform.registry.Snapshot();
    auto writes = [](RegistryStore& store) {
        store.OpenKey(HKCU, "Software\\App", true)->Set("A", RegistryValue::String("x"));
        throw EConvertError("'x' is not a valid integer value");
    };
    EXPECT_THROW(UndoJournal(platform.Services()).SaveBefore("Apply", writes), EConvertError);
    EXPECT_EQ(platform.registry.Snapshot(), before);
    EXPECT_TRUE(
        platform.unicodeFiles.FilesIn(u"C:\\Users\\Ola\\AppData\\Local\\Sorvanto\\Undo").empty());
}

// The registry as a user sees it who may not read one key: it is there, but does not open.
class UnreadableKeyStore : public RegistryStore {
public:
    UnreadableKeyStore(RegistryStore& inner, std::u16string path)
        : inner_(inner), path_(std::move(path)) {}
    bool KeyExistsExact(RootKey root, RegistryView view, const std::u16string& path) override {
        return inner_.KeyExistsExact(root, view, path);
    }
    std::unique_ptr<RegistryKey> OpenKeyExact(RootKey root, RegistryView view,
                                              const std::u16string& path, bool create) override {
        return path == path_ ? nullptr : inner_.OpenKeyExact(root, view, path, create);
    }
    bool DeleteKeyExact(RootKey root, RegistryView view, const std::u16string& path) override {
        return inner_.DeleteKeyExact(root, view, path);
    }

private:
    RegistryStore& inner_;
    std::u16string path_;
};

TEST(UndoJournal, AKeyThatCannotBeReadIsNeverRemovedByTheJournal) {
    FakePlatform platform;
    platform.registry.Put(HKCU, "Software\\Locked\\Inside", "Secret", RegistryValue::String("s"));
    UnreadableKeyStore unreadable(platform.registry, u"Software\\Locked");
    platform.Replace(unreadable);
    std::u16string journal =
        UndoJournal(platform.Services()).SaveBefore("Apply", [](RegistryStore& store) {
            store.OpenKeyExact(HKCU, RegistryView::Bits64, u"Software\\Locked", true);
            store.OpenKeyExact(HKCU, RegistryView::Bits64, u"Software\\Locked\\New", true);
        });
    std::string content = platform.unicodeFiles.Content(journal).value();
    std::u16string text;
    for (std::size_t i = 2; i + 1 < content.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(content[i]) |
                                      static_cast<unsigned char>(content[i + 1]) << 8);
    EXPECT_EQ(text.find(u"[-HKEY_CURRENT_USER\\Software\\Locked]"), std::u16string::npos);
    EXPECT_NE(text.find(u"[-HKEY_CURRENT_USER\\Software\\Locked\\New]"), std::u16string::npos);
}

} // namespace
