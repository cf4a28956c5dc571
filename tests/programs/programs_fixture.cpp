#include "tests/programs/programs_fixture.h"

#include "platform/text_codec.h"

#include <cstdio>

namespace {

std::u16string EntryKey(const std::u16string& key) {
    return UninstallKeyPath + u'\\' + key;
}

bool AtOrBelow(const std::string& path, const std::string& key) {
    return path == key || path.rfind(key + '\\', 0) == 0;
}

} // namespace

ExactValue Sz(const std::u16string& text) {
    return ExactValue::Text(RegistryTypeCode::kString, text);
}

ExactValue Typed(std::uint32_t type, const std::string& bytes) {
    return {type, bytes};
}

RegistrySnapshot Without(RegistrySnapshot snapshot, const std::string& key) {
    std::erase_if(snapshot.keys, [&](const std::string& path) { return AtOrBelow(path, key); });
    std::erase_if(snapshot.values,
                  [&](const auto& value) { return AtOrBelow(value.first.first, key); });
    return snapshot;
}

void ProgramsTest::PutEntry(UninstallPlace place, const std::u16string& key,
                            const std::optional<ExactValue>& displayName,
                            const std::optional<ExactValue>& uninstallString) {
    auto entry = platform.registry.OpenKeyExact(place.root, place.view, EntryKey(key), true);
    ASSERT_TRUE(entry);
    if (displayName) {
        ASSERT_TRUE(entry->SetExact(u"DisplayName", *displayName));
    }
    if (uninstallString) {
        ASSERT_TRUE(entry->SetExact(u"UninstallString", *uninstallString));
    }
}

void ProgramsTest::PutProgram(UninstallPlace place, const std::u16string& key,
                              std::string_view displayName, const std::u16string& command) {
    PutEntry(place, key, Sz(Cp1250ToUtf16(Cp1250(displayName))), Sz(command));
}

void ProgramsTest::DeleteEntry(UninstallPlace place, const std::u16string& key) {
    ASSERT_TRUE(platform.registry.DeleteKeyExact(place.root, place.view, EntryKey(key)));
}

bool ProgramsTest::EntryExists(UninstallPlace place, const std::u16string& key) {
    return platform.registry.KeyExistsExact(place.root, place.view, EntryKey(key));
}

std::vector<std::string> ProgramsTest::Items() const {
    std::vector<std::string> items;
    for (const std::string& item : List().Items())
        items.push_back(Cp1250ToUtf8(item));
    return items;
}

void ProgramsTest::Select(int index) {
    ShowTabOf(List());
    List().UserSelect(index);
    ASSERT_EQ(List().ItemIndex(), index);
}

void ProgramsTest::Remove(std::vector<int> answers) {
    platform.messageBoxes.answers.assign(answers.begin(), answers.end());
    Click("RemoveButton");
}

std::vector<std::string> ProgramsTest::Boxes() const {
    std::vector<std::string> lines;
    for (const ShownBox& box : platform.messageBoxes.shown)
        lines.push_back(BoxLine(Cp1250ToUtf8(box.caption), Cp1250ToUtf8(box.text), box.flags));
    return lines;
}

std::string BoxLine(std::string_view caption, std::string_view text, unsigned flags) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%02X", flags);
    return std::string(caption) + ": " + std::string(text) + " (" + hex + ")";
}
