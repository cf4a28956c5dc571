#pragma once
// The keys a form takes before its controls see them: Tab and Shift+Tab move the focus in
// tab order, Enter presses the focused push button or else the default one, Alt with the
// underlined letter of a speed button presses it without moving the focus, and Ctrl+Tab or
// Ctrl+PgDn (Ctrl+Shift+Tab or Ctrl+PgUp) turn the page control to the next (previous) page.
#include "platform/win32/form_view.h"

#include "platform/win32/windows_api.h"

// True when the form has handled the message, which must then not be dispatched.
bool HandleFormKey(const MSG& message, FormView& form);
