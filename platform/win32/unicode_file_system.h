#pragma once
// Files by their UTF-16 names through the W functions of kernel32.
#include "platform/services.h"

class Win32UnicodeFileSystem : public UnicodeFileSystem {
public:
    bool CreateFolder(const std::u16string& path) override;
    // Written to a GetTempFileNameW file beside it, flushed, and renamed to the name without
    // replacing: a journal appears whole or not at all, and never in place of another.
    bool CreateNewFile(const std::u16string& name, const std::string& content) override;
    // Folders are not listed.
    std::vector<std::u16string> FindFiles(const std::u16string& pattern) override;
    bool RemoveFile(const std::u16string& name) override;
};
