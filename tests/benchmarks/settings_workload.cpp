#include "tests/benchmarks/settings_workload.h"

#include "mainwindow/form1.h"
#include "platform/check_box.h"
#include "platform/edit.h"
#include "platform/registry.h"
#include "settings/catalogue.h"
#include "settings/change_tracker.h"

namespace {

// The values the shell keeps and the program only rewrites: without them the binary rows
// and the bitmap row would write nothing.
void SeedShellValues(RegistryStore& store) {
    TRegistry registry(store);
    const unsigned char link[4] = {0x1E, 0, 0, 0};
    const unsigned char attributes[4] = {0x40, 0x01, 0x00, 0x20};
    registry.OpenKey("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", true);
    registry.WriteBinaryData("link", link, 4);
    registry.SetRootKey(RootKey::ClassesRoot);
    registry.OpenKey("CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\ShellFolder", true);
    registry.WriteBinaryData("Attributes", attributes, 4);
    registry.OpenKey(".bmp", true);
    registry.WriteString("", "Paint.Picture");
}

} // namespace

SettingsWorkload::SettingsWorkload(RegistryStore& registry)
    : services_(fakes_.Replace(registry).Services()) {
    SeedShellValues(registry);
    application_ = std::make_unique<TApplication>(services_);
    form_ = application_->CreateForm<TForm1>(texts_);
    settings_ = std::make_unique<Settings>(*form_, *application_, form_->Changes(), steps_);
    MarkEveryRow();
    Apply();
}

SettingsWorkload::~SettingsWorkload() = default;

void SettingsWorkload::MarkEveryRow() {
    for (const SettingRow& row : Catalogue()) {
        if (HoldsEdit(row.encoding)) {
            auto& edit = FindAs<TEdit>(*form_, row.control);
            edit.TextEditedByUser(edit.Text() == "1" ? "2" : "1");
        } else {
            auto& box = FindAs<TCheckBox>(*form_, row.control);
            box.SetChecked(!box.Checked());
        }
    }
}

int SettingsWorkload::ChangeCount() const {
    return form_->Changes().ChangeCount();
}
