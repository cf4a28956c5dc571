#include "platform/win32/file_system.h"

#include "platform/win32/whole_file.h"
#include "platform/win32/wide_text.h"

#include "platform/win32/windows_api.h"

namespace {

// The folder of the absolute form of `name`, with its final backslash.
std::wstring FullFolder(const std::wstring& name) {
    DWORD size = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return {};
    std::wstring full(size, L'\0');
    DWORD length = GetFullPathNameW(name.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return {};
    full.resize(length);
    std::size_t slash = full.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : full.substr(0, slash + 1);
}

} // namespace

bool Win32FileSystem::FileExists(const std::string& name) {
    DWORD attributes = GetFileAttributesW(Wide(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& name) {
    FileHandle file(CreateFileW(Wide(name).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return std::nullopt;
    std::string content;
    char buffer[64 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr))
            return std::nullopt;
        if (read == 0)
            return content;
        content.append(buffer, read);
    }
}

bool Win32FileSystem::ReplaceContent(const std::string& name, const std::string& content) {
    std::wstring target = Wide(name);
    // Windows will not rename over a read-only file, but Wine does: refuse it here so the
    // program behaves the same on both.
    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    std::wstring folder = FullFolder(target);
    wchar_t temporary[MAX_PATH];
    if (folder.empty() || !GetTempFileNameW(folder.c_str(), L"svt", 0, temporary))
        return false;
    if (WriteWholeFile(temporary, content) &&
        MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary);
    return false;
}

bool Win32FileSystem::RemoveFile(const std::string& name) {
    return DeleteFileW(Wide(name).c_str()) != 0;
}

std::vector<std::string> Win32FileSystem::FindFiles(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Wide(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    // Read-only, hidden and archived files count; folders and system files do not.
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM))
            continue;
        std::string name = Narrow(found.cFileName);
        if (Wide(name) == found.cFileName)
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool Win32FileSystem::FolderIsWritable(const std::string& folder) {
    // Not GetTempFileNameW: Wine's gives a name even where it could not create the file.
    std::wstring base = Wide(folder) + L"svt" + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring probe = base + std::to_wstring(attempt) + L".tmp";
        HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    return false;
}

bool Win32FileSystem::CreateFolder(const std::string& folder) {
    std::wstring full = FullFolder(Wide(folder));
    if (full.empty())
        return false;
    full.pop_back();
    SHCreateDirectoryExW(nullptr, full.c_str(), nullptr);
    DWORD attributes = GetFileAttributesW(full.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32FileSystem::WindowsDirectory() {
    wchar_t folder[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    return length < MAX_PATH ? Narrow(std::wstring_view(folder, length)) : std::string();
}
