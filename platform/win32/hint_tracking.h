#pragma once
// The idle step of the event loop: the application's hint follows the control under the
// mouse pointer, and is empty when the pointer is outside our forms.
#include "platform/application.h"
#include "platform/win32/view_context.h"

void UpdateHintFromPointer(TApplication& application, const ViewContext& context);
