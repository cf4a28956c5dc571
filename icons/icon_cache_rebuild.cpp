#include "icons/icon_cache_rebuild.h"

#include "platform/registry.h"
#include "platform/services.h"
#include "undo/undo_journal.h"

void WriteShellIconSize(RegistryStore& store, const std::string& size) {
    TRegistry registry(store);
    registry.SetRootKey(RootKey::CurrentUser);
    if (registry.OpenKey("Control Panel\\Desktop\\WindowMetrics", true)) {
        registry.WriteString("Shell Icon Size", size);
        registry.CloseKey();
    }
}

void RebuildIconCache(const Platform& services) {
    // Both writes are saved before anything happens: a journal that cannot be written stops
    // the rebuild with its error, before the cache file goes.
    UndoJournal(services).SaveBefore("Rebuild", [](RegistryStore& rehearsal) {
        WriteShellIconSize(rehearsal, "0");
        WriteShellIconSize(rehearsal, "32");
    });
    // A missing cache file is no error.
    services.files.RemoveFile(services.files.WindowsDirectory() + "\\ShellIconCache");
    WriteShellIconSize(services.registry, "0");
    services.shell.NotifyImagesChanged();
    services.shell.NotifyAssociationsChanged();
    services.shell.BroadcastWindowMetricsChanged();
    WriteShellIconSize(services.registry, "32");
    services.shell.BroadcastWindowMetricsChanged();
}
