#include "icons/icon_cache_rebuild.h"

#include "platform/registry.h"
#include "platform/services.h"

void WriteShellIconSize(RegistryStore& store, const std::string& size) {
    TRegistry registry(store);
    registry.SetRootKey(RootKey::CurrentUser);
    if (registry.OpenKey("Control Panel\\Desktop\\WindowMetrics", true)) {
        registry.WriteString("Shell Icon Size", size);
        registry.CloseKey();
    }
}

void RebuildIconCache(const Platform& services) {
    // A missing cache file is no error.
    services.files.RemoveFile(services.files.WindowsDirectory() + "\\ShellIconCache");
    WriteShellIconSize(services.registry, "0");
    services.shell.NotifyImagesChanged();
    services.shell.NotifyAssociationsChanged();
    services.shell.BroadcastWindowMetricsChanged();
    WriteShellIconSize(services.registry, "32");
    services.shell.BroadcastWindowMetricsChanged();
}
