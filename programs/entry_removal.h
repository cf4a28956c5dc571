#pragma once
// Removing an uninstall entry from the registry: its key with everything below it, in its
// own place. Only the deletion lives here, apart from the question, the reports and the
// rebuilt list, so that it can run on any store.
#include "programs/uninstall_entry.h"

class RegistryStore;

// False when the key did not go (it was already gone, or the registry refused).
bool DeleteUninstallEntry(RegistryStore& store, const UninstallEntry& entry);
