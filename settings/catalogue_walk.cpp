#include "settings/catalogue_walk.h"

#include "settings/bound_rows.h"
#include "settings/catalogue.h"
#include "settings/key_opening.h"
#include "settings/row_steps.h"

namespace {

using OpenStep = bool (*)(TRegistry&, const std::string&);
using RowStep = void (*)(TRegistry&, const BoundRow&);

void Walk(TRegistry& registry, const std::vector<BoundRow>& rows, OpenStep open, RowStep step) {
    // The key of the visit in progress (none between visits), and whether it opened.
    const std::string* visiting = nullptr;
    bool opened = false;
    for (const BoundRow& b : rows) {
        const SettingRow& r = *b.row;
        if (registry.RootKey() != r.root) {
            registry.SetRootKey(r.root);
            visiting = nullptr;
        }
        if (OpensOwnKeys(r.encoding)) {
            registry.CloseKey();
            visiting = nullptr;
            step(registry, b);
            continue;
        }
        // Neighbouring rows of one root with the same key share one visit.
        if (!visiting || *visiting != r.key) {
            visiting = &r.key;
            opened = open(registry, r.key);
        }
        if (opened)
            step(registry, b);
    }
    registry.CloseKey();
}

} // namespace

void ReadCatalogue(TRegistry& registry, const std::vector<BoundRow>& rows) {
    Walk(registry, rows, OpenToRead, ReadRow);
}

void ApplyCatalogue(TRegistry& registry, const std::vector<BoundRow>& rows) {
    Walk(registry, rows, OpenToWrite, ApplyRow);
}
