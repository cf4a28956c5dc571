// Every operation that changes the registry, run under the journal and then for real: the
// journal, imported as `reg import` does, brings the whole registry back exactly as it was,
// whatever the types and scripts of what the operation overwrote or deleted.
#include "platform/check_box.h"
#include "platform/edit.h"
#include "platform/list_box.h"
#include "tests/undo/exact_snapshot.h"
#include "tests/undo/journal_fixture.h"
#include "tests/undo/refusing_store.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace RegistryTypeCode;

constexpr RootKey HKCU = RootKey::CurrentUser;
constexpr RootKey HKCR = RootKey::ClassesRoot;
constexpr RootKey HKLM = RootKey::LocalMachine;

const std::u16string CurrentVersion = u"Software\\Microsoft\\Windows\\CurrentVersion";
const std::u16string Uninstall = CurrentVersion + u"\\Uninstall";
const std::u16string ShellIcons = CurrentVersion + u"\\explorer\\Shell Icons";
const std::u16string WindowMetrics = u"Control Panel\\Desktop\\WindowMetrics";
const std::u16string MyComputer = u"CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
const std::u16string RecycleBin = u"CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";

std::string Bytes(std::initializer_list<int> bytes) {
    std::string data;
    for (int b : bytes)
        data += static_cast<char>(b);
    return data;
}

ExactValue Text(std::u16string_view text, std::uint32_t type = kString) {
    return ExactValue::Text(type, text);
}

void Set(RegistryStore& store, RootKey root, const std::u16string& path, const std::u16string& name,
         const ExactValue& value, RegistryView view = RegistryView::Bits64) {
    store.OpenKeyExact(root, view, path, true)->SetExact(name, value);
}

// Values of every kind the registry holds, names in other scripts among them.
void SetOddValues(RegistryStore& store, RootKey root, const std::u16string& path,
                  RegistryView view = RegistryView::Bits64) {
    Set(store, root, path, u"", Text(u"domy\u015blna"), view);
    Set(store, root, path, u"\u0418\u043c\u044f \"x\\y\"", Text(u"\u03a9 \U0001F600"), view);
    Set(store, root, path, u"Multi", {kMultiString, Bytes({'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0})},
        view);
    Set(store, root, path, u"Quad", {kQWord, Bytes({1, 2, 3, 4, 5, 6, 7, 8})}, view);
    Set(store, root, path, u"None", {kNone, Bytes({0xFF})}, view);
    Set(store, root, path, u"Cut", {kString, Bytes({'a', 0, 'b'})}, view);
    Set(store, root, path, u"Expand", Text(u"%SystemRoot%\\x", kExpandString), view);
    Set(store, root, path, u"Long", {kBinary, std::string(300, '\x5A')}, view);
}

// The registry a user may have where Apply writes: values of unexpected types and scripts at
// its places, keys it must create, and the values the shell keeps for the binary rows.
void SeedApplyPlaces(RegistryStore& s) {
    const std::u16string policies = CurrentVersion + u"\\Policies\\Explorer";
    Set(s, HKCU, policies, u"NoRun", {kMultiString, Bytes({'1', 0, 0, 0, 0, 0})});
    Set(s, HKCU, policies, u"NoDrives", {kQWord, Bytes({1, 0, 0, 0, 0, 0, 0, 0})});
    Set(s, HKCU, policies, u"NoClose", {kNone, ""});
    Set(s, HKCU, policies, u"NoFind", {kDWord, Bytes({1, 0, 0, 0})});
    Set(s, HKCU, CurrentVersion + u"\\Explorer", u"link", {kBinary, Bytes({0x1E, 0, 0, 0})});
    Set(s, HKCU, u"Control Panel\\Desktop", u"FontSmoothing", Text(u"2", kExpandString));
    Set(s, HKCU, u"Control Panel\\Desktop", u"MenuShowDelay", {kString, Bytes({'4', 0, '0'})});
    Set(s, HKCR, RecycleBin + u"\\ShellFolder", u"Attributes",
        {kBinary, Bytes({0x40, 0x01, 0x00, 0x20})});
    Set(s, HKCR, MyComputer, u"InfoTip", Text(u"\u041c\u043e\u0439 \u043a\u043e\u043c\u043f"));
    Set(s, HKCR, u".bmp", u"", Text(u"Paint.Picture"));
    Set(s, HKCR, u"cplfile\\DefaultIcon", u"", Text(u"shell32.dll,-154", kExpandString));
    Set(s, HKCR, u"lnkfile", u"IsShortcut", Text(u""));
    Set(s, HKLM, CurrentVersion, u"RegisteredOwner", Text(u"\u0141ucja \u017b\u00f3\u0142w"));
    Set(s, HKLM, CurrentVersion, u"RegDone", {kDWord, Bytes({1, 0, 0, 0})});
    Set(s, HKLM, CurrentVersion + u"\\Welcome\\RegWiz", u"@", Text(u"1"));
    Set(s, HKLM, u"SOFTWARE\\Microsoft\\Internet Explorer\\Main", u"Window Title",
        Text(u"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1"));
}

class JournalRestoreTest;

struct Operation {
    const char* name;
    void (*seed)(RegistryStore& registry);
    void (*run)(JournalRestoreTest& test);
};

class JournalRestoreTest : public JournalTest, public testing::WithParamInterface<Operation> {
public:
    using JournalTest::Click;
    using JournalTest::MarkEveryRow;
    using JournalTest::PressApply;
    using JournalTest::RunUnderJournal;
    using JournalTest::ShowTabOf;
    using JournalTest::Type;
    FakePlatform& Platform() { return platform; }
    TForm1* Form() { return form; }

    // Between the program and the memory registry, which the snapshots and the import use
    // directly.
    RefusingStore refusing{platform.registry};

protected:
    void SetUp() override { platform.Replace(refusing); }
};

void PrintTo(const Operation& operation, std::ostream* os) {
    *os << operation.name;
}

TEST_P(JournalRestoreTest, ImportingTheJournalBringsBackTheWholeRegistry) {
    GetParam().seed(platform.registry);
    OpenWindow();
    ExactSnapshot before = TakeExactSnapshot(platform.registry);

    GetParam().run(*this);

    ExactSnapshot after = TakeExactSnapshot(platform.registry);
    ASSERT_NE(after, before) << "the operation changed nothing";
    std::vector<std::u16string> journals = Journals();
    ASSERT_EQ(journals.size(), 1u);
    ImportJournal(journals[0]);
    EXPECT_EQ(Differences(before, TakeExactSnapshot(platform.registry)),
              std::vector<std::string>());
}

void NoSeed(RegistryStore&) {}

void SeedPassword(RegistryStore& s) {
    SeedApplyPlaces(s);
    Set(s, HKLM, u"Software\\SRVT\\SRVT", u"Password", Text(u"tajne"));
    Set(s, HKLM, u"Software\\SRVT", u"Wersja", {kDWord, Bytes({5, 0, 0, 0})});
    SetOddValues(s, HKLM, u"Software\\SRVT\\SRVT\\Ustawienia");
}

void SeedUninstallEntry(RegistryStore& s) {
    const std::u16string entry = Uninstall + u"\\Program \u00e6\u0444";
    SetOddValues(s, HKLM, entry);
    Set(s, HKLM, entry, u"DisplayName", Text(u"Stary program"));
    SetOddValues(s, HKLM, entry + u"\\Sub");
    Set(s, HKLM, entry + u"\\Sub\\Empty", u"", Text(u"x"));
    s.OpenKeyExact(HKLM, RegistryView::Bits64, entry + u"\\Sub\\Empty", false)
        ->DeleteValueExact(u"");
    Set(s, HKLM, Uninstall + u"\\Neighbour", u"DisplayName", Text(u"Stays"));
}

void SeedUninstallEntry32(RegistryStore& s) {
    SetOddValues(s, HKLM, Uninstall + u"\\Old32", RegistryView::Bits32);
    Set(s, HKLM, Uninstall + u"\\Old32", u"DisplayName", Text(u"Old 32"), RegistryView::Bits32);
    SetOddValues(s, HKLM, Uninstall + u"\\Old32\\Parts", RegistryView::Bits32);
}

void SeedIconPlaces(RegistryStore& s) {
    Set(s, HKCR, MyComputer + u"\\DefaultIcon", u"", Text(u"%SystemRoot%\\a.dll,1", kExpandString));
    Set(s, HKCR, RecycleBin + u"\\DefaultIcon", u"full", Text(u"b.dll,2"));
    Set(s, HKCU, u"SOFTWARE\\Classes\\" + MyComputer + u"\\DefaultIcon", u"", Text(u"u.dll,3"));
    Set(s, HKCU, u"SOFTWARE\\Classes\\" + RecycleBin + u"\\DefaultIcon", u"full",
        Text(u"\u0444.dll,4"));
    Set(s, HKCU, u"SOFTWARE\\Classes\\" + RecycleBin + u"\\DefaultIcon", u"empty",
        {kMultiString, Bytes({'e', 0, 0, 0, 0, 0})});
}

void SeedLargeIcons(RegistryStore& s) {
    Set(s, HKCU, WindowMetrics, u"Shell Icon Size", Text(u"48"));
}

void SeedReadBack(RegistryStore& s) {
    SetOddValues(s, HKCU, u"Software\\Vendor\\Settings");
}

// The user removes the entry of that name on the "Dodaj / Usuń" tab and answers Yes.
void RemoveEntry(JournalRestoreTest& test, const std::string& displayName) {
    auto& list = FindAs<TListBox>(*test.Form(), "AddRemoveListBox");
    const auto& items = list.Items();
    auto found = std::find(items.begin(), items.end(), displayName);
    ASSERT_NE(found, items.end()) << displayName;
    test.ShowTabOf(list);
    list.UserSelect(static_cast<int>(found - items.begin()));
    test.Platform().messageBoxes.answers = {mb::IdYes};
    test.Click("RemoveButton");
}

void ApplyEveryRow(JournalRestoreTest& test) {
    test.MarkEveryRow();
    test.PressApply();
}

// The user restores the default icon of slots 0 (a class icon and a Shell Icons value) and
// 3 and 4 (the Recycle Bin's two values of one class icon) and applies: the class icons are
// written, the per-user class icons removed with all they hold, the Shell Icons values set.
void ApplyDefaultIcons(JournalRestoreTest& test) {
    test.Platform().icons.AddIconFile("shell32.dll", 184);
    test.Platform().files.AddFile("shell32.dll", "");
    auto& list = FindAs<TListBox>(*test.Form(), "IconsListBox");
    test.ShowTabOf(list);
    for (int slot : {0, 3, 4}) {
        list.UserSelect(slot);
        test.Click("DefaultButton");
    }
    test.PressApply();
}

void RebuildIconCache(JournalRestoreTest& test) {
    test.Click("RCIButton");
}

INSTANTIATE_TEST_SUITE_P(
    Operations, JournalRestoreTest,
    testing::Values(Operation{"ApplyOfEveryRow", SeedApplyPlaces, ApplyEveryRow},
                    Operation{"ApplyOfEveryRowOnAnEmptyRegistry", NoSeed, ApplyEveryRow},
                    Operation{"ApplySettingThePassword", SeedApplyPlaces,
                              [](JournalRestoreTest& test) {
                                  test.Click("PasswordBox");
                                  test.Type("PasswordEdit", "has\xB3o");
                                  test.PressApply();
                              }},
                    Operation{"ApplyRemovingThePassword", SeedPassword,
                              [](JournalRestoreTest& test) {
                                  test.Click("PasswordBox");
                                  test.Click("BoxNoRun");
                                  test.PressApply();
                              }},
                    Operation{"ApplyWithAWriteRefusedHalfway", SeedApplyPlaces,
                              [](JournalRestoreTest& test) {
                                  test.refusing.RefuseWritesUnder(HKCU, u"Control Panel\\Desktop");
                                  test.MarkEveryRow();
                                  test.PressApply();
                                  ASSERT_EQ(test.Platform().messageBoxes.shown.size(), 1u);
                                  EXPECT_EQ(test.Platform().messageBoxes.shown[0].text,
                                            "Failed to set data for 'MenuShowDelay'");
                              }},
                    Operation{"RemovalOfAnEntryWithSubKeys", SeedUninstallEntry,
                              [](JournalRestoreTest& test) { RemoveEntry(test, "Stary program"); }},
                    Operation{"RemovalInThe32BitView", SeedUninstallEntry32,
                              [](JournalRestoreTest& test) { RemoveEntry(test, "Old 32"); }},
                    Operation{"IconWrites", SeedIconPlaces, ApplyDefaultIcons},
                    Operation{"IconWritesOnAnEmptyRegistry", NoSeed, ApplyDefaultIcons},
                    Operation{"CacheRebuild", SeedLargeIcons, RebuildIconCache},
                    Operation{"CacheRebuildWithoutTheKey", NoSeed, RebuildIconCache},
                    // Writes that build on each other: a key deleted and made again, a value
                    // written and then deleted, a decision taken on a value written before.
                    Operation{"WritesThatReadWhatTheyWrote", SeedReadBack,
                              [](JournalRestoreTest& test) {
                                  test.RunUnderJournal("Apply", [](RegistryStore& store) {
                                      const std::u16string vendor = u"Software\\Vendor";
                                      store.DeleteKeyExact(HKCU, RegistryView::Bits64, vendor);
                                      Set(store, HKCU, vendor + u"\\Settings", u"Multi",
                                          Text(u"new"));
                                      Set(store, HKCU, vendor + u"\\Fresh", u"Temp", Text(u"t"));
                                      auto fresh = store.OpenKeyExact(HKCU, RegistryView::Bits64,
                                                                      vendor + u"\\Fresh", false);
                                      fresh->DeleteValueExact(u"Temp");
                                      if (fresh->QueryExact(u"Temp"))
                                          return;
                                      Set(store, HKCU, u"Software\\Decided", u"", Text(u"yes"));
                                  });
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
