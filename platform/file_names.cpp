#include "platform/file_names.h"

namespace {

// The length of the folder part, delimiter included.
std::size_t FolderLength(const std::string& name) {
    std::size_t last = name.find_last_of("\\:");
    return last == std::string::npos ? 0 : last + 1;
}

} // namespace

std::string ExtractFilePath(const std::string& name) {
    return name.substr(0, FolderLength(name));
}

std::string ExtractFileName(const std::string& name) {
    return name.substr(FolderLength(name));
}
