#include "settings/setting_keys.h"

namespace {

SettingKeys BuildKeys() {
    SettingKeys k;
    k.CurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";
    k.Explorer = k.CurrentVersion + "\\Explorer";
    k.PoliciesExplorer = k.CurrentVersion + "\\Policies\\Explorer";
    k.PoliciesActiveDesktop = k.CurrentVersion + "\\Policies\\ActiveDesktop";
    k.PoliciesNetwork = k.CurrentVersion + "\\Policies\\Network";
    k.PoliciesSystem = k.CurrentVersion + "\\Policies\\System";
    k.PoliciesWinOldApp = k.CurrentVersion + "\\Policies\\WinOldApp";
    k.Setup = k.CurrentVersion + "\\Setup";
    k.RegWiz = k.CurrentVersion + "\\Welcome\\RegWiz";
    k.Desktop = "Control Panel\\Desktop";
    k.WindowMetrics = k.Desktop + "\\WindowMetrics";
    k.InternetExplorerMain = "SOFTWARE\\Microsoft\\Internet Explorer\\Main";

    k.RecycleBin = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
    k.RecycleBinShellFolder = k.RecycleBin + "\\ShellFolder";
    k.MyComputer = "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
    k.MyDocuments = "CLSID\\{450D8FBA-AD25-11D0-98A8-0800361B1103}";
    k.Network = "CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}";
    k.InternetExplorer = "CLSID\\{871C5380-42A0-1069-A2EA-08002B30309D}";
    k.Internet = "CLSID\\{3DC7A020-0ACD-11CF-A9BB-00AA004AE837}";
    k.Printers = "CLSID\\{2227A280-3AEA-1069-A2DE-08002B30309D}";
    k.ControlPanel = "CLSID\\{21EC2020-3AEA-1069-A2DD-08002B30309D}";
    k.DialUpNetworking = "CLSID\\{992CFFA0-F557-101A-88EC-00DD010CCC48}";
    k.Briefcase = "CLSID\\{85BBD920-42A0-1069-A2E4-08002B30309D}";
    k.Tasks = "CLSID\\{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";
    k.LnkFile = "lnkfile";
    k.BmpExtension = ".bmp";
    k.CplFileIcon = DefaultIconKey("cplfile");
    k.DllFileIcon = DefaultIconKey("dllfile");
    return k;
}

} // namespace

const SettingKeys& Keys() {
    static const SettingKeys keys = BuildKeys();
    return keys;
}

std::string DefaultIconKey(const std::string& classKey) {
    return classKey + "\\" + "DefaultIcon";
}
