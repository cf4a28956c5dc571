#include "platform/win32/unicode_file_system.h"

#include "platform/win32/whole_file.h"

#include "platform/win32/windows_api.h"

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring AsWide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

bool IsFolder(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolderAndParents(const std::wstring& path) {
    if (IsFolder(path))
        return true;
    std::size_t slash = path.rfind(L'\\');
    // A drive ("C:") or a share is there or not; it cannot be made.
    if (slash == std::wstring::npos || slash == 0 || path[slash - 1] == L':' ||
        path[slash - 1] == L'\\')
        return CreateDirectoryW(path.c_str(), nullptr) || IsFolder(path);
    if (!CreateFolderAndParents(path.substr(0, slash)))
        return false;
    // Another program may have made it in the meantime.
    return CreateDirectoryW(path.c_str(), nullptr) || IsFolder(path);
}

} // namespace

bool Win32UnicodeFileSystem::CreateFolder(const std::u16string& path) {
    return CreateFolderAndParents(AsWide(path));
}

bool Win32UnicodeFileSystem::CreateNewFile(const std::u16string& name, const std::string& content) {
    std::wstring target = AsWide(name);
    FileHandle file(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return false;
    if (WriteAndFlush(file, content) && file.Close())
        return true;
    file.Close();
    DeleteFileW(target.c_str());
    return false;
}

std::vector<std::u16string> Win32UnicodeFileSystem::FindFiles(const std::u16string& pattern) {
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(AsWide(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(found.cFileName, found.cFileName + std::char_traits<wchar_t>::length(
                                                                      found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool Win32UnicodeFileSystem::RemoveFile(const std::u16string& name) {
    return DeleteFileW(AsWide(name).c_str()) != 0;
}
