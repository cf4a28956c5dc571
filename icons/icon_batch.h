#pragma once
// Extracting the icons of many locations at once: one read of a file for each run of
// nearby indices instead of one read per icon, with the same pictures as one Extract each.
#include "platform/icon.h"

#include <string>
#include <vector>

class Icons;

struct IconRequest {
    std::string file;
    int index = 0;
};

// Picture i is the icon of request i, empty where the file has none.
std::vector<TIcon> ExtractIcons(Icons& icons, const std::vector<IconRequest>& requests);
