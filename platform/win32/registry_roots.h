#pragma once
// The system's handle for each of the program's registry roots.
#include "platform/registry_store.h"

#include "platform/win32/windows_api.h"

HKEY PredefinedKey(RootKey root);
