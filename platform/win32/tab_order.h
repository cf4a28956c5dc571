#pragma once
// The keyboard order of a form's controls: depth first, and siblings by (Left, Top) of the
// model, so that Tab runs down each column before the next. The same order stacks the
// windows, so what Tab visits first is on top.
#include "platform/control.h"

#include <vector>

// A parent's children in that order: windowed ones by (Left, Top), then the others, which
// lie beneath them.
std::vector<TControl*> ChildrenInTabOrder(const TWinControl& parent);
// Whether the control's window takes the focus and the control can take it now: it has a
// tab stop, is showing and it and every parent are enabled.
bool CanTakeFocusNow(const TWinControl& control);
// The next (or, going back, previous) control after `current` that can take the focus,
// wrapping round; from null, the first (or last). Null when there is none.
TWinControl* NextTabStop(TWinControl& root, TWinControl* current, bool forward);
