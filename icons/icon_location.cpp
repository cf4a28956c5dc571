#include "icons/icon_location.h"

#include "platform/services.h"
#include "platform/str_to_int.h"

std::optional<IconLocationParts> SplitIconLocation(const std::string& location) {
    std::size_t comma = location.find(',');
    if (comma == std::string::npos)
        return std::nullopt;
    return IconLocationParts{location.substr(0, comma), location.substr(comma + 1)};
}

std::optional<TIcon> LocationPicture(FileSystem& files, Icons& icons, const std::string& location) {
    std::optional<IconLocationParts> parts = SplitIconLocation(location);
    if (!parts || !files.FileExists(parts->file))
        return std::nullopt;
    return icons.Extract(parts->file, StrToInt(parts->indexText));
}
