#pragma once
// A FileSystem held in memory for native tests. Names ignore ASCII letter case, as on
// Windows; a name is a whole path as written, with no current directory behind it.
#include "platform/services.h"

#include <optional>
#include <string>
#include <vector>

class MemoryFileSystem : public FileSystem {
public:
    bool FileExists(const std::string& name) override;
    std::optional<std::string> ReadFile(const std::string& name) override;
    bool ReplaceContent(const std::string& name, const std::string& content) override;
    bool RemoveFile(const std::string& name) override;
    // Matches "*" and "?" in the last part of the pattern against the files directly in its
    // folder; the names come in the order the files were created, which is not sorted.
    std::vector<std::string> FindFiles(const std::string& pattern) override;
    bool FolderIsWritable(const std::string& folder) override;
    // Folders are there whenever a name needs them.
    bool CreateFolder(const std::string& /*folder*/) override { return true; }
    std::string WindowsDirectory() override { return windowsDirectory; }

    void AddFile(const std::string& name, const std::string& bytes);
    // The bytes of a file, or nothing when it does not exist.
    std::optional<std::string> Content(const std::string& name) const;
    // From now on ReplaceContent of `name` fails and leaves the file as it was.
    void FailWritesTo(const std::string& name);
    // An added file stays listed and existing, but ReadFile gets nothing, like a locked file.
    void MakeUnreadable(const std::string& name);
    // From now on no file directly in `folder` ("C:\dir\") can be created or replaced.
    void MakeFolderReadOnly(const std::string& folder);

    std::string windowsDirectory = "C:\\WINDOWS";

private:
    struct File {
        std::string name;
        std::string content;
        bool unreadable = false;
    };
    void Store(const std::string& name, const std::string& content);
    bool InReadOnlyFolder(const std::string& name) const;
    File* Find(const std::string& name);
    const File* Find(const std::string& name) const;

    std::vector<File> files_;
    std::vector<std::string> unwritable_;
    std::vector<std::string> readOnlyFolders_;
};
