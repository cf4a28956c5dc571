#include "tests/win32/scratch_folder.h"

#include "platform/win32/windows_api.h"
#include <gtest/gtest.h>

void RemoveFolderTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring entry = path + L"\\" + name;
            SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolderTree(entry);
            else
                DeleteFileW(entry.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

ScratchFolder::ScratchFolder(const std::wstring& suffix) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
    path_ = std::wstring(temp) + L"svt-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::wstring(test.begin(), test.end()) + suffix;
    RemoveFolderTree(path_);
    CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    RemoveFolderTree(path_);
}
