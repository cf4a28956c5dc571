#pragma once
// The main window with the icon files a test gives it, the slots as the user sees them on
// the "Ikony" tab, and a log of every registry call the window makes.
#include "icons/shell_icons.h"
#include "platform/image_list.h"
#include "platform/list_box.h"
#include "tests/settings/recording_store.h"
#include "tests/settings/settings_fixture.h"

#include <string>

namespace places {
inline const std::string ShellIconsTable =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
inline const std::string MyComputer = "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
inline const std::string MyDocuments = "CLSID\\{450D8FBA-AD25-11D0-98A8-0800361B1103}";
inline const std::string Network = "CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}";
inline const std::string RecycleBin = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
inline std::string PerUser(const std::string& classKey) {
    return "SOFTWARE\\Classes\\" + classKey;
}
} // namespace places

class IconsTest : public SettingsTest {
protected:
    // shell32.dll holds its 184 icons, as on Windows; mydocs.dll is missing, as under Wine.
    void SetUp() override {
        platform.icons.AddIconFile("shell32.dll", 184);
        platform.Replace(recording);
        Prepare();
        SettingsTest::SetUp();
    }
    // What a test sets up before the window opens.
    virtual void Prepare() {}

    // A file with icons: on the disk, and to the icon extraction.
    void AddIconFile(const std::string& name, int count) {
        platform.files.AddFile(name, "");
        platform.icons.AddIconFile(name, count);
    }
    ShellIcons& Slots() { return form->IconsPart(); }
    TListBox& List() { return Get<TListBox>("IconsListBox"); }
    const std::string& Location(int slot) { return Slots().IconLocations.at(slot); }
    // Where the slot's picture came from: "shell32.dll,15", or "application" for the
    // placeholder.
    std::string Picture(int slot) {
        return FakeIcons::SourceOf(Get<TImageList>("SIImageList").Icon(slot));
    }
    bool SlotMarked(int slot) { return Slots().IconChanged.at(slot); }
    // The user selects a slot in the list, on its tab.
    void SelectSlot(int slot) {
        ShowTabOf(List());
        List().UserSelect(slot);
    }
    // The user presses a button of the tab; an error reaches the error box as the event
    // loop would show it.
    void PressButton(const std::string& name) {
        try {
            Click(name);
        } catch (const std::exception& e) {
            app->HandleException(e);
        }
    }
    void RestoreDefault(int slot) {
        SelectSlot(slot);
        PressButton("DefaultButton");
    }
    int ErrorCount() const { return static_cast<int>(platform.messageBoxes.shown.size()); }

    RecordingStore recording{platform.registry};
};
