#include "platform/win32/message_boxes.h"

#include "platform/form.h"
#include "platform/win32/control_window.h"
#include "platform/win32/wide_text.h"

#include "platform/win32/windows_api.h"

int Win32MessageBoxes::Show(TForm* owner, const std::string& text, const std::string& caption,
                            unsigned flags) {
    HWND window = owner ? WindowOf(*owner) : nullptr;
    if (!window)
        window = GetActiveWindow();
    return MessageBoxW(window, Wide(text).c_str(), Wide(caption).c_str(), flags);
}
