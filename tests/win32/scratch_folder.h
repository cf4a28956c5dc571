#pragma once
// A fresh folder under the temporary folder, named after the test and whatever the test
// adds, removed again with everything in it.
#include <string>

class ScratchFolder {
public:
    // `suffix` is added to the folder's name, e.g. in another script.
    explicit ScratchFolder(const std::wstring& suffix = L"");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's full name, without a final backslash.
    const std::wstring& Path() const { return path_; }
    std::u16string Utf16() const { return {path_.begin(), path_.end()}; }

private:
    std::wstring path_;
};

// Removes a folder with all it holds.
void RemoveFolderTree(const std::wstring& path);
