#pragma once
// A UnicodeFileSystem held in memory for native tests. Names are whole paths such as
// u"C:\\Users\\Ola\\file.reg"; letter case is ignored (ASCII only); a drive ("C:") is always
// there, and a file can only be made in a folder that exists.
#include "platform/services.h"

#include <optional>
#include <string>
#include <vector>

class MemoryUnicodeFileSystem : public UnicodeFileSystem {
public:
    bool CreateFolder(const std::u16string& path) override;
    bool CreateNewFile(const std::u16string& name, const std::string& content) override;
    // Matches "*" and "?" in the last part of the pattern; files in creation order.
    std::vector<std::u16string> FindFiles(const std::u16string& pattern) override;
    bool RemoveFile(const std::u16string& name) override;

    // Test set-up: the file and its folders, whatever is refused.
    void AddFile(const std::u16string& name, const std::string& content);
    std::optional<std::string> Content(const std::u16string& name) const;
    // The full names of the files directly in a folder, in creation order.
    std::vector<std::u16string> FilesIn(const std::u16string& folder) const;
    // From now on nothing can be created at or below `path`.
    void RefuseCreatingUnder(const std::u16string& path);

private:
    struct File {
        std::u16string name;
        std::string content;
    };
    bool IsRefused(const std::u16string& name) const;
    bool IsFolder(const std::u16string& path) const;
    const File* Find(const std::u16string& name) const;

    std::vector<std::u16string> folders_;
    std::vector<File> files_;
    std::vector<std::u16string> refused_;
};
