#include "platform/win32/shell.h"

#include "platform/form.h"
#include "platform/win32/control_window.h"
#include "platform/win32/wide_text.h"

#include <shellapi.h>
#include <shlobj.h>

void Win32Shell::Open(TForm* owner, const std::string& file) {
    ShellExecuteW(owner ? WindowOf(*owner) : nullptr, L"open", Wide(file).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

void Win32Shell::ChangeNotify(long event, unsigned flags) {
    SHChangeNotify(event, flags, nullptr, nullptr);
}
