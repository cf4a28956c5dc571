#pragma once
// Files through the W functions of kernel32, names converted from Windows-1250.
#include "platform/services.h"

class Win32FileSystem : public FileSystem {
public:
    bool FileExists(const std::string& name) override;
    std::optional<std::string> ReadFile(const std::string& name) override;
    // The temporary file is a GetTempFileNameW file in the target's folder, so the rename
    // stays on one volume; it is flushed before it replaces the target.
    bool ReplaceContent(const std::string& name, const std::string& content) override;
    bool RemoveFile(const std::string& name) override;
    // The names in the order the file system lists them.
    std::vector<std::string> FindFiles(const std::string& pattern) override;
    // Creates a file in the folder that goes away when closed: only trying tells, since the
    // folder's attributes say nothing about the user's rights.
    bool FolderIsWritable(const std::string& folder) override;
    bool CreateFolder(const std::string& folder) override;
    std::string WindowsDirectory() override;
};
