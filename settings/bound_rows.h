#pragma once
// The catalogue's rows bound to the controls of a window, once, when the window is built.
#include <vector>

class TCheckBox;
class TComponent;
class TEdit;
struct SettingRow;

struct BoundRow {
    const SettingRow* row = nullptr;
    // The row's control: a check box, or an edit inside the panel that carries its mark.
    TCheckBox* box = nullptr;
    TEdit* edit = nullptr;
};

// Every row of the catalogue with its control, in Apply's order. Raises when the window
// lacks a control or an edit does not sit in a panel of its own.
std::vector<BoundRow> BindCatalogue(const TComponent& form);
// The same rows in Read's order: a row that names a row to follow moves right after it.
std::vector<BoundRow> InReadOrder(const std::vector<BoundRow>& rows);
