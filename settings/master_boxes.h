#pragma once
// Master boxes and the controls that follow them: three masters enable their dependent boxes
// exactly while unticked, and PasswordBox shows PasswordEdit exactly while ticked.
#include <vector>

class TCheckBox;
class TComponent;
class TControl;

struct MasterRow {
    TCheckBox* master = nullptr;
    std::vector<TControl*> dependents;
    // Dependents are shown while the master is ticked (else enabled while it is unticked).
    bool showsWhenTicked = false;
};

// The master table bound to a window's controls; raises when the window lacks one.
std::vector<MasterRow> BindMasterBoxes(const TComponent& form);
// Brings every dependent in line with its master's current state. A disabled dependent
// keeps its state and its mark.
void UpdateDependents(const std::vector<MasterRow>& masters);
