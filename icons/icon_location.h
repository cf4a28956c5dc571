#pragma once
// Icon locations: a file name, a comma and an icon index, such as "shell32.dll,15". The file
// is everything before the first comma, the index everything after it.
#include "platform/icon.h"

#include <optional>
#include <string>

class FileSystem;
class Icons;

struct IconLocationParts {
    std::string file;
    std::string indexText;
};

// Nothing for a text without a comma.
std::optional<IconLocationParts> SplitIconLocation(const std::string& location);

// The picture a location names, as loading a profile takes it: nothing when the text has no
// comma or its file does not exist (a bare name is looked for in the current directory
// only); an empty icon when the file has none at that index. An index that is not a number
// raises "'%s' is not a valid integer value".
std::optional<TIcon> LocationPicture(FileSystem& files, Icons& icons, const std::string& location);
