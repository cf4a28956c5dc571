#include "platform/win32/folders.h"

#include "platform/win32/windows_api.h"

std::u16string Win32Folders::LocalApplicationData() {
    PWSTR path = nullptr;
    std::u16string folder;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path) == S_OK)
        folder.assign(path, path + std::char_traits<wchar_t>::length(path));
    CoTaskMemFree(path);
    return folder;
}
