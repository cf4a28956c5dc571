#include "platform/win32/folders.h"

#include "platform/win32/wide_text.h"

#include "platform/win32/windows_api.h"

namespace {

std::string KnownFolder(int csidl) {
    wchar_t path[MAX_PATH];
    if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK)
        return {};
    std::wstring folder(path);
    // A folder the program cannot spell would lead its files somewhere else.
    std::string narrow = Narrow(folder);
    if (folder.empty() || Wide(narrow) != folder)
        return {};
    return narrow.back() == '\\' ? narrow : narrow + "\\";
}

} // namespace

std::string Win32Folders::ApplicationData() {
    return KnownFolder(CSIDL_APPDATA);
}

std::u16string Win32Folders::LocalApplicationData() {
    PWSTR path = nullptr;
    std::u16string folder;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path) == S_OK)
        folder.assign(path, path + std::char_traits<wchar_t>::length(path));
    CoTaskMemFree(path);
    return folder;
}
