#include "settings/bound_rows.h"

#include "platform/check_box.h"
#include "platform/edit.h"
#include "platform/exceptions.h"
#include "platform/panel.h"
#include "settings/catalogue.h"

#include <algorithm>

std::vector<BoundRow> BindCatalogue(const TComponent& form) {
    std::vector<BoundRow> bound;
    for (const SettingRow& row : Catalogue()) {
        BoundRow b{&row};
        if (HoldsEdit(row.encoding)) {
            b.edit = &FindAs<TEdit>(form, row.control);
            if (!dynamic_cast<TPanel*>(b.edit->Parent()))
                throw EInvalidOperation(row.control + " is not in a panel of its own");
        } else {
            b.box = &FindAs<TCheckBox>(form, row.control);
        }
        bound.push_back(b);
    }
    return bound;
}

std::vector<BoundRow> InReadOrder(const std::vector<BoundRow>& rows) {
    std::vector<BoundRow> ordered;
    for (const BoundRow& b : rows)
        if (b.row->readAfter.empty())
            ordered.push_back(b);
    for (const BoundRow& b : rows) {
        if (b.row->readAfter.empty())
            continue;
        auto after = std::find_if(ordered.begin(), ordered.end(), [&](const BoundRow& o) {
            return o.row->control == b.row->readAfter;
        });
        if (after == ordered.end())
            throw EInvalidOperation(b.row->control + " follows an unknown row");
        ordered.insert(after + 1, b);
    }
    return ordered;
}
