#pragma once
// The registry key paths of the settings, built once from the shared prefix and the group
// suffixes, so that every path is spelled in exactly one place.
#include <string>

struct SettingKeys {
    // HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE.
    std::string CurrentVersion;
    std::string Explorer;
    std::string PoliciesExplorer;
    std::string PoliciesActiveDesktop;
    std::string PoliciesNetwork;
    std::string PoliciesSystem;
    std::string PoliciesWinOldApp;
    std::string Setup;
    std::string RegWiz;
    std::string Desktop;
    std::string WindowMetrics;
    std::string InternetExplorerMain;
    // HKEY_CLASSES_ROOT.
    std::string RecycleBin;
    std::string RecycleBinShellFolder;
    std::string MyComputer;
    std::string MyDocuments;
    std::string Network;
    std::string InternetExplorer;
    std::string Internet;
    std::string Printers;
    std::string ControlPanel;
    std::string DialUpNetworking;
    std::string Briefcase;
    std::string Tasks;
    std::string LnkFile;
    std::string BmpExtension;
    std::string CplFileIcon;
    std::string DllFileIcon;
};

const SettingKeys& Keys();

// The sub-key that holds a class's icon: class + "\" + "DefaultIcon".
std::string DefaultIconKey(const std::string& classKey);
