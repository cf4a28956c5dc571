#pragma once
// What the Wine tests ask of the real registry around the program.
#include "platform/win32/windows_api.h"

#include <string>

// Whether a key is there and can be read.
inline bool KeyThere(HKEY root, const std::wstring& path) {
    HKEY key;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}
