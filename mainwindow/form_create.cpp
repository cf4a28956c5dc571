// Creation and destruction of the main window.
#include "mainwindow/form1.h"

#include "platform/application.h"
#include "platform/file_names.h"
#include "platform/image_list.h"
#include "platform/list_box.h"
#include "settings/change_tracker.h"
#include "settings/settings.h"

namespace {

constexpr int IconLocationCount = 40;
constexpr int IconListColumnWidth = 200;

} // namespace

void TForm1::FormCreate(TObject* sender) {
    TApplication& app = Application();
    IniStrings.Clear();
    IniFileName = ExtractFilePath(app.ExeName()) + "srvt.ini";
    // An index file that cannot be read is reported, and the window is built all the same:
    // everything after this step is needed by the rest of the program.
    try {
        if (app.Services().files.FileExists(IniFileName))
            IniStrings.LoadFromFile(app.Services().files, IniFileName);
    } catch (const std::exception& e) {
        app.HandleException(e);
    }
    Changes().SetChangeCount(0);
    Changes().SetReadInProgress(false);
    app.OnHint = [this](TObject* s) { DisplayHint(s); };
    IconLocations.assign(IconLocationCount, std::string());
    AddRemoveKeys.Clear();
    AddRemoveKeys.SetSorted(false);
    AddRemoveKeys.SetDuplicates(TDuplicates::dupAccept);

    auto& icons = FindAs<TListBox>(*this, "IconsListBox");
    IconChanged.assign(icons.Count(), false);
    // Placeholders until the first Read brings the real icons; a failure here only costs
    // the placeholders.
    try {
        auto& images = FindAs<TImageList>(*this, "SIImageList");
        images.Clear();
        for (int i = 0; i < icons.Count(); ++i)
            images.AddIcon(app.Icon());
    } catch (const std::exception&) {
    }
    SettingsPart().OdczytajButtonClick(sender);
    icons.SetColumnWidth(IconListColumnWidth);
}

void TForm1::FormDestroy(TObject* /*sender*/) {
    IconLocations.clear();
    AddRemoveKeys.Clear();
    IniStrings.Clear();
}
