#include "icons/dialogs/dialog_filter.h"

#include <algorithm>

std::string MakeDialogFilter(const std::string& text) {
    std::string list = text;
    std::replace(list.begin(), list.end(), '|', '\0');
    if (!list.empty() && list.back() != '\0')
        list.push_back('\0');
    list.push_back('\0');
    return list;
}
