#pragma once
// The main window on the memory registry, with the user's ways of reading, applying and
// changing settings, and a readable account of what an action changed in the store.
#include "platform/check_box.h"
#include "platform/edit.h"
#include "platform/memory_registry_store.h"
#include "tests/support/main_window_fixture.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

inline constexpr RootKey HKCU = RootKey::CurrentUser;
inline constexpr RootKey HKCR = RootKey::ClassesRoot;
inline constexpr RootKey HKLM = RootKey::LocalMachine;

// Key paths spelled out here as the registry holds them, independently of the program.
namespace paths {
inline const std::string CurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";
inline const std::string Explorer = CurrentVersion + "\\Explorer";
inline const std::string PoliciesExplorer = CurrentVersion + "\\Policies\\Explorer";
inline const std::string ActiveDesktop = CurrentVersion + "\\Policies\\ActiveDesktop";
inline const std::string Network = CurrentVersion + "\\Policies\\Network";
inline const std::string System = CurrentVersion + "\\Policies\\System";
inline const std::string WinOldApp = CurrentVersion + "\\Policies\\WinOldApp";
inline const std::string Setup = CurrentVersion + "\\Setup";
inline const std::string RegWiz = CurrentVersion + "\\Welcome\\RegWiz";
inline const std::string Desktop = "Control Panel\\Desktop";
inline const std::string WindowMetrics = "Control Panel\\Desktop\\WindowMetrics";
inline const std::string IEMain = "SOFTWARE\\Microsoft\\Internet Explorer\\Main";
inline const std::string ShellFolder = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\ShellFolder";
inline const std::string MyComputer = "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
} // namespace paths

RegistryValue Sz(const std::string& text);
RegistryValue Dword(std::uint32_t value);
RegistryValue Bin(std::initializer_list<int> bytes);

// What changed between two snapshots, one line per key or value, sorted:
// "+hkcu\control panel\desktop" for a new key, "-..." for a removed one,
// "hkcu\control panel\desktop: FontSmoothing = sz \"1\"" for a written value and
// "hkcu\...: NoRun deleted" for a removed one. Key paths are folded to lower case, as the
// registry ignores their case; hkcr stands for HKLM\Software\Classes.
std::vector<std::string> Changes(const RegistrySnapshot& before, const RegistrySnapshot& after);
// The line of a new key, and of a value written (or deleted, for none), as Changes()
// writes them.
std::string KeyLine(RootKey root, const std::string& path);
std::string ValueLine(RootKey root, const std::string& path, const std::string& name,
                      const std::optional<RegistryValue>& value);

class SettingsTest : public MainWindowTest {
protected:
    // The window as the user has it: created, read and on the screen.
    void SetUp() override {
        OpenWindow();
        form->Show();
    }

    void Put(RootKey root, const std::string& path, const std::string& name,
             const RegistryValue& value) {
        platform.registry.Put(root, path, name, value);
    }
    void Remove(RootKey root, const std::string& path, const std::string& name);
    TCheckBox& Box(const std::string& name) { return Get<TCheckBox>(name); }
    TEdit& Edit(const std::string& name) { return Get<TEdit>(name); }
    // The holder of a control's mark: the box itself, or the panel of an edit.
    TControl& MarkHolder(const std::string& name);
    // Marked as Read and the handlers agree: Tag 1 and blue, or Tag 0 and window text.
    bool Marked(const std::string& name);
    int Count() const;
    // The store now differs from `before` by exactly these lines of Changes(); what is
    // missing and what is unexpected are reported apart.
    void ExpectChangesSince(const RegistrySnapshot& before, std::vector<std::string> expected);
    bool ApplyEnabled() { return Get<TControl>("ZastosujButton").Enabled(); }

    // The user presses "&Odczytaj" / "&Zastosuj"; an error reaches the error box as the
    // event loop would show it.
    void Read() { Press("OdczytajButton"); }
    void Apply() { Press("ZastosujButton"); }
    // Apply as the close question runs it, whether or not anything is marked.
    void ApplyNow();
    // The user ticks or unticks a box to the given state.
    void SetBox(const std::string& name, bool checked);

private:
    void Press(const std::string& button);
};
