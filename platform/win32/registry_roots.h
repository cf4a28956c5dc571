#pragma once
// The system's handle for each of the program's registry roots.
#include "platform/registry_store.h"

#include <windows.h>

HKEY PredefinedKey(RootKey root);
