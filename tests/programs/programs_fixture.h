#pragma once
// The main window on the memory registry with uninstall entries put where Windows keeps
// them, and the user's ways of choosing an entry and pressing the tab's buttons.
#include "platform/list_box.h"
#include "platform/memory_registry_store.h"
#include "programs/installed_programs.h"
#include "tests/support/main_window_fixture.h"

#include <optional>
#include <string>
#include <vector>

// The places spelled out here as the registry has them, independently of the program.
inline constexpr UninstallPlace Machine64{RootKey::LocalMachine, RegistryView::Bits64};
inline constexpr UninstallPlace Machine32{RootKey::LocalMachine, RegistryView::Bits32};
inline constexpr UninstallPlace User{RootKey::CurrentUser, RegistryView::Bits64};
inline const std::string UninstallPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
inline const std::u16string UninstallKeyPath = Cp1250ToUtf16(UninstallPath);
// Where the snapshots of the memory store show the keys of the two machine places.
inline const std::string Machine64Keys = "HKEY_LOCAL_MACHINE\\" + UninstallPath;
inline const std::string Machine32Keys =
    "HKEY_LOCAL_MACHINE\\Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

ExactValue Sz(const std::u16string& text);
ExactValue Typed(std::uint32_t type, const std::string& bytes);

// A snapshot without a key and everything below it.
RegistrySnapshot Without(RegistrySnapshot snapshot, const std::string& key);

class ProgramsTest : public MainWindowTest {
protected:
    // An entry's key with the values that are given; a value left out is not set.
    void PutEntry(UninstallPlace place, const std::u16string& key,
                  const std::optional<ExactValue>& displayName,
                  const std::optional<ExactValue>& uninstallString = std::nullopt);
    // An entry with a plain-string display name (UTF-8 here) and command line.
    void PutProgram(UninstallPlace place, const std::u16string& key, std::string_view displayName,
                    const std::u16string& command);
    void DeleteEntry(UninstallPlace place, const std::u16string& key);
    bool EntryExists(UninstallPlace place, const std::u16string& key);

    InstalledPrograms& Programs() const { return form->ProgramsPart(); }
    TListBox& List() const { return Get<TListBox>("AddRemoveListBox"); }
    // The list's items in UTF-8.
    std::vector<std::string> Items() const;
    // The user clicks an item of the list.
    void Select(int index);
    // The user presses a button of the tab; the answers are those of the boxes it shows.
    void Uninstall() { Click("UninstallButton"); }
    void Remove(std::vector<int> answers);
    void Read() { Click("OdczytajButton"); }
    const std::vector<std::u16string>& Started() const { return platform.processes.started; }
    // The boxes shown so far, each as "caption: text (flags)" in UTF-8.
    std::vector<std::string> Boxes() const;
};

// A box as Boxes() writes it.
std::string BoxLine(std::string_view caption, std::string_view text, unsigned flags);
