#include "settings/master_boxes.h"

#include "platform/check_box.h"

#include <initializer_list>
#include <string_view>

namespace {

struct MasterNames {
    std::string_view master;
    std::initializer_list<std::string_view> dependents;
    bool showsWhenTicked;
};

const MasterNames Masters[] = {
    {"NoNetSetupBox",
     {"NoNetSetupIDPageBox", "NoNetSetupSecurityPageBox", "NoFileSharingControlBox",
      "NoPrintSharingControlBox"},
     false},
    {"NoDispCPLBox",
     {"NoDispBackgroundPageBox", "NoDispScrSavPageBox", "NoDispAppearancePageBox",
      "NoDispSettingsPageBox"},
     false},
    {"NoSecCPLBox", {"NoPwdPageBox", "NoAdminPageBox", "NoProfilePageBox"}, false},
    {"PasswordBox", {"PasswordEdit"}, true},
};

} // namespace

std::vector<MasterRow> BindMasterBoxes(const TComponent& form) {
    std::vector<MasterRow> bound;
    for (const MasterNames& names : Masters) {
        MasterRow row{&FindAs<TCheckBox>(form, names.master), {}, names.showsWhenTicked};
        for (std::string_view dependent : names.dependents)
            row.dependents.push_back(&FindAs<TControl>(form, dependent));
        bound.push_back(std::move(row));
    }
    return bound;
}

void UpdateDependents(const std::vector<MasterRow>& masters) {
    for (const MasterRow& row : masters)
        for (TControl* dependent : row.dependents) {
            if (row.showsWhenTicked)
                dependent->SetVisible(row.master->Checked());
            else
                dependent->SetEnabled(!row.master->Checked());
        }
}
