// Rebuilding the installed-programs list on the real registry, timed under Wine: 100 entries
// in each of the three places, read into the main window's list with its real window. Run it
// with a warm wineserver in a throwaway prefix; the entries are taken out again at the end.
#include "tests/support/fake_platform.h"

#include "i18n/message_texts.h"
#include "mainwindow/form1.h"
#include "platform/application.h"
#include "platform/list_box.h"
#include "platform/registry.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/window_system.h"
#include "programs/installed_programs.h"
#include "tests/benchmarks/wine_timing.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int EntriesInEachPlace = 100;
const std::u16string Uninstall = u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

std::u16string EntryName(int i) {
    std::string digits = std::to_string(i);
    return u"SorvantoBench-" + std::u16string(digits.begin(), digits.end());
}

void Seed(RegistryStore& store, RootKey root, RegistryView view) {
    for (int i = 0; i < EntriesInEachPlace; ++i) {
        auto key = store.OpenKeyExact(root, view, Uninstall + u'\\' + EntryName(i), true);
        std::u16string name = u"Benchmark program " + EntryName((i * 37) % EntriesInEachPlace);
        key->SetExact(u"DisplayName", ExactValue::Text(RegistryTypeCode::kString, name));
        key->SetExact(u"UninstallString",
                      ExactValue::Text(RegistryTypeCode::kString, u"C:\\unins000.exe /S"));
    }
}

void Unseed(RegistryStore& store, RootKey root, RegistryView view) {
    for (int i = 0; i < EntriesInEachPlace; ++i)
        store.DeleteKeyExact(root, view, Uninstall + u'\\' + EntryName(i));
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    Win32RegistryStore registry;
    // HKEY_CURRENT_USER only in the 64-bit view: Wine would redirect its Software for good
    // once a 32-bit key were created there.
    const std::pair<RootKey, RegistryView> places[] = {
        {RootKey::LocalMachine, RegistryView::Bits64},
        {RootKey::LocalMachine, RegistryView::Bits32},
        {RootKey::CurrentUser, RegistryView::Bits64}};
    for (auto [root, view] : places)
        Seed(registry, root, view);

    FakePlatform fakes;
    Win32WindowSystem windows{GetModuleHandleW(nullptr)};
    MessageTexts texts;
    TApplication app(fakes.Replace(registry).Replace(windows).Services());
    TForm1* form = app.CreateForm<TForm1>(texts);
    ReportMedian(
        "ReadAddRemove", runs, [] {},
        [&] {
            TRegistry accessor(registry);
            form->ProgramsPart().ReadAddRemove(accessor);
        });
    int listed = FindAs<TListBox>(*form, "AddRemoveListBox").Count();
    std::printf("(%d items listed)\n", listed);

    for (auto [root, view] : places)
        Unseed(registry, root, view);
    return listed >= 3 * EntriesInEachPlace ? 0 : 1;
}
