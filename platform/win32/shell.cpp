#include "platform/win32/shell.h"

#include "platform/form.h"
#include "platform/win32/control_window.h"
#include "platform/win32/wide_text.h"

#include "platform/win32/windows_api.h"

void Win32Shell::Open(TForm* owner, const std::string& file) {
    ShellExecuteW(owner ? WindowOf(*owner) : nullptr, L"open", Wide(file).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

void Win32Shell::NotifyImagesChanged() {
    SHChangeNotify(SHCNE_UPDATEIMAGE, SHCNF_FLUSH, nullptr, nullptr);
}

void Win32Shell::NotifyAssociationsChanged() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
}

void Win32Shell::BroadcastWindowMetricsChanged() {
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS,
                        reinterpret_cast<LPARAM>(L"WindowMetrics"), SMTO_ABORTIFHUNG, 10000,
                        nullptr);
}
