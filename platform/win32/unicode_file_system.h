#pragma once
// Files by their UTF-16 names through the W functions of kernel32.
#include "platform/services.h"

class Win32UnicodeFileSystem : public UnicodeFileSystem {
public:
    bool CreateFolder(const std::u16string& path) override;
    // Made only when the name is free (CREATE_NEW), written and flushed to the disk before it
    // is closed; a file that could not be written in full is removed again.
    bool CreateNewFile(const std::u16string& name, const std::string& content) override;
    // Folders are not listed.
    std::vector<std::u16string> FindFiles(const std::u16string& pattern) override;
    bool RemoveFile(const std::u16string& name) override;
};
