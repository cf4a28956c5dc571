#pragma once
// Rebuilding the shell's icon cache: the cache file goes, and the shell redraws its icons
// when the icon size it is told of changes and changes back.
#include <string>

class RegistryStore;
struct Platform;

// "Shell Icon Size" under HKEY_CURRENT_USER "Control Panel\Desktop\WindowMetrics", the key
// created when missing.
void WriteShellIconSize(RegistryStore& store, const std::string& size);

// Deletes "ShellIconCache" in the Windows directory, sets the size to "0", tells the shell
// that its images and associations changed, broadcasts the new metrics, sets the size to
// "32" and broadcasts again. The size ends as "32" whatever it was before. The undo journal
// of the two writes comes first; when it cannot be written, its error is raised and nothing
// has happened.
void RebuildIconCache(const Platform& services);
