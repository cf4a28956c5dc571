#include "tests/support/memory_unicode_file_system.h"

#include <algorithm>

namespace {

char16_t LowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto x, auto y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool StartsWithName(std::u16string_view name, std::u16string_view prefix) {
    return name.size() >= prefix.size() && SameName(name.substr(0, prefix.size()), prefix) &&
           (name.size() == prefix.size() || name[prefix.size()] == u'\\');
}

bool MatchesMask(std::u16string_view name, std::u16string_view mask) {
    if (mask.empty())
        return name.empty();
    if (mask.front() == u'*')
        return MatchesMask(name, mask.substr(1)) ||
               (!name.empty() && MatchesMask(name.substr(1), mask));
    if (name.empty() ||
        (mask.front() != u'?' && LowerAscii(mask.front()) != LowerAscii(name.front())))
        return false;
    return MatchesMask(name.substr(1), mask.substr(1));
}

std::u16string FolderOf(const std::u16string& name) {
    std::size_t slash = name.rfind(u'\\');
    return slash == std::u16string::npos ? std::u16string() : name.substr(0, slash);
}

std::u16string NameOf(const std::u16string& name) {
    return name.substr(name.rfind(u'\\') + 1);
}

bool IsDrive(const std::u16string& path) {
    return path.size() == 2 && path[1] == u':';
}

} // namespace

bool MemoryUnicodeFileSystem::CreateFolder(const std::u16string& path) {
    if (IsFolder(path))
        return true;
    if (Find(path) || IsRefused(path) || path.find(u'\\') == std::u16string::npos ||
        !CreateFolder(FolderOf(path)))
        return false;
    folders_.push_back(path);
    return true;
}

bool MemoryUnicodeFileSystem::CreateNewFile(const std::u16string& name,
                                            const std::string& content) {
    if (!IsFolder(FolderOf(name)) || Find(name) || IsFolder(name) || IsRefused(name))
        return false;
    files_.push_back({name, content});
    return true;
}

std::vector<std::u16string> MemoryUnicodeFileSystem::FindFiles(const std::u16string& pattern) {
    std::vector<std::u16string> names;
    for (const File& file : files_)
        if (SameName(FolderOf(file.name), FolderOf(pattern)) &&
            MatchesMask(NameOf(file.name), NameOf(pattern)))
            names.push_back(NameOf(file.name));
    return names;
}

bool MemoryUnicodeFileSystem::RemoveFile(const std::u16string& name) {
    auto found = std::find_if(files_.begin(), files_.end(),
                              [&](const File& f) { return SameName(f.name, name); });
    if (found == files_.end())
        return false;
    files_.erase(found);
    return true;
}

void MemoryUnicodeFileSystem::AddFile(const std::u16string& name, const std::string& content) {
    for (std::u16string folder = FolderOf(name); !folder.empty() && !IsFolder(folder);
         folder = FolderOf(folder))
        folders_.push_back(folder);
    files_.push_back({name, content});
}

std::optional<std::string> MemoryUnicodeFileSystem::Content(const std::u16string& name) const {
    const File* file = Find(name);
    return file ? std::optional(file->content) : std::nullopt;
}

std::vector<std::u16string> MemoryUnicodeFileSystem::FilesIn(const std::u16string& folder) const {
    std::vector<std::u16string> names;
    for (const File& file : files_)
        if (SameName(FolderOf(file.name), folder))
            names.push_back(file.name);
    return names;
}

void MemoryUnicodeFileSystem::RefuseCreatingUnder(const std::u16string& path) {
    refused_.push_back(path);
}

bool MemoryUnicodeFileSystem::IsRefused(const std::u16string& name) const {
    return std::any_of(refused_.begin(), refused_.end(),
                       [&](const std::u16string& r) { return StartsWithName(name, r); });
}

bool MemoryUnicodeFileSystem::IsFolder(const std::u16string& path) const {
    return IsDrive(path) || std::any_of(folders_.begin(), folders_.end(),
                                        [&](const auto& f) { return SameName(f, path); });
}

const MemoryUnicodeFileSystem::File*
MemoryUnicodeFileSystem::Find(const std::u16string& name) const {
    auto found = std::find_if(files_.begin(), files_.end(),
                              [&](const File& f) { return SameName(f.name, name); });
    return found == files_.end() ? nullptr : &*found;
}
