#pragma once
// Gives the controls of a form their windows: parents before children, each parent's
// children stacked in tab order.
#include "platform/form.h"
#include "platform/win32/view_context.h"

// The windows of every control inside `parent`, which has its own window already.
void CreateChildViews(TWinControl& parent, ViewContext& context);
