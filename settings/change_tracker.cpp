#include "settings/change_tracker.h"

#include "platform/speed_button.h"

void ChangeTracker::UpdateZastosujButton() {
    zastosujButton_.SetEnabled(changeCount_ != 0);
}

bool ChangeTracker::IsMarked(const TControl& holder) {
    return holder.Tag() != 0;
}

void ChangeTracker::Mark(TControl& holder) {
    holder.SetTag(1);
    holder.Font().SetColor(MarkedColor);
}

void ChangeTracker::Unmark(TControl& holder) {
    holder.SetTag(0);
    holder.Font().SetColor(UnmarkedColor);
}
