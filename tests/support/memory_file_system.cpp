#include "tests/support/memory_file_system.h"

#include "platform/component.h"
#include "platform/file_names.h"

#include <algorithm>
#include <utility>

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask.empty())
        return name.empty();
    if (mask.front() == '*')
        return MatchesMask(name, mask.substr(1)) ||
               (!name.empty() && MatchesMask(name.substr(1), mask));
    if (name.empty())
        return false;
    if (mask.front() != '?' && LowerAscii(mask.front()) != LowerAscii(name.front()))
        return false;
    return MatchesMask(name.substr(1), mask.substr(1));
}

} // namespace

bool MemoryFileSystem::FileExists(const std::string& name) {
    return Find(name) != nullptr;
}

std::optional<std::string> MemoryFileSystem::ReadFile(const std::string& name) {
    const File* file = Find(name);
    if (!file || file->unreadable)
        return std::nullopt;
    return file->content;
}

bool MemoryFileSystem::ReplaceContent(const std::string& name, const std::string& content) {
    bool refused = std::any_of(unwritable_.begin(), unwritable_.end(),
                               [&](const std::string& n) { return SameTextAscii(n, name); });
    if (refused || InReadOnlyFolder(name))
        return false;
    Store(name, content);
    return true;
}

bool MemoryFileSystem::RemoveFile(const std::string& name) {
    const File* file = Find(name);
    if (!file)
        return false;
    files_.erase(files_.begin() + (file - files_.data()));
    return true;
}

std::vector<std::string> MemoryFileSystem::FindFiles(const std::string& pattern) {
    std::string folder = ExtractFilePath(pattern);
    std::string mask = ExtractFileName(pattern);
    std::vector<std::string> names;
    for (const File& file : files_) {
        std::string name = ExtractFileName(file.name);
        if (SameTextAscii(ExtractFilePath(file.name), folder) && MatchesMask(name, mask))
            names.push_back(name);
    }
    return names;
}

bool MemoryFileSystem::FolderIsWritable(const std::string& folder) {
    return !InReadOnlyFolder(folder);
}

void MemoryFileSystem::AddFile(const std::string& name, const std::string& bytes) {
    Store(name, bytes);
}

std::optional<std::string> MemoryFileSystem::Content(const std::string& name) const {
    const File* file = Find(name);
    if (!file)
        return std::nullopt;
    return file->content;
}

void MemoryFileSystem::FailWritesTo(const std::string& name) {
    unwritable_.push_back(name);
}

void MemoryFileSystem::MakeUnreadable(const std::string& name) {
    if (File* file = Find(name))
        file->unreadable = true;
}

void MemoryFileSystem::MakeFolderReadOnly(const std::string& folder) {
    readOnlyFolders_.push_back(folder);
}

// A folder name ends in a backslash, so a folder lies in itself.
bool MemoryFileSystem::InReadOnlyFolder(const std::string& name) const {
    std::string folder = ExtractFilePath(name);
    return std::any_of(readOnlyFolders_.begin(), readOnlyFolders_.end(),
                       [&](const std::string& f) { return SameTextAscii(f, folder); });
}

// A replaced file keeps its place in the listing and the spelling it was created with, and is
// readable again, since it is a new file.
void MemoryFileSystem::Store(const std::string& name, const std::string& content) {
    if (File* file = Find(name))
        *file = {file->name, content};
    else
        files_.push_back({name, content});
}

MemoryFileSystem::File* MemoryFileSystem::Find(const std::string& name) {
    return const_cast<File*>(std::as_const(*this).Find(name));
}

const MemoryFileSystem::File* MemoryFileSystem::Find(const std::string& name) const {
    auto found = std::find_if(files_.begin(), files_.end(),
                              [&](const File& f) { return SameTextAscii(f.name, name); });
    return found == files_.end() ? nullptr : &*found;
}
