#pragma once
// Keeps the items of a list or combo window equal to the model's, in the model's order:
// only the part between the unchanged start and end is replaced, so an insertion costs one
// message, and a long refill is done with redrawing off.
#include "platform/win32/windows_api.h"

#include <string>
#include <vector>

class ItemsMirror {
public:
    struct Messages {
        UINT insert;
        UINT remove;
        UINT reset;
    };
    explicit ItemsMirror(Messages messages) : messages_(messages) {}

    void Show(HWND window, const std::vector<std::string>& items);

private:
    Messages messages_;
    std::vector<std::string> shown_;
};
