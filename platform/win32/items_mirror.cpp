#include "platform/win32/items_mirror.h"

#include "platform/win32/wide_text.h"

#include <algorithm>

namespace {

// Past this many messages the window would flicker and crawl while it redraws each one.
constexpr std::size_t kQuietFrom = 8;

} // namespace

void ItemsMirror::Show(HWND window, const std::vector<std::string>& items) {
    std::size_t common = std::min(shown_.size(), items.size());
    std::size_t head = 0;
    while (head < common && shown_[head] == items[head])
        ++head;
    std::size_t tail = 0;
    while (tail < common - head &&
           shown_[shown_.size() - 1 - tail] == items[items.size() - 1 - tail])
        ++tail;
    std::size_t removed = shown_.size() - head - tail;
    std::size_t inserted = items.size() - head - tail;
    if (removed == 0 && inserted == 0)
        return;
    bool quiet = removed + inserted >= kQuietFrom;
    if (quiet)
        SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    if (removed == shown_.size()) {
        SendMessageW(window, messages_.reset, 0, 0);
    } else {
        for (std::size_t i = 0; i < removed; ++i)
            SendMessageW(window, messages_.remove, head, 0);
    }
    for (std::size_t i = 0; i < inserted; ++i) {
        std::wstring text = Wide(items[head + i]);
        SendMessageW(window, messages_.insert, head + i, reinterpret_cast<LPARAM>(text.c_str()));
    }
    if (quiet) {
        SendMessageW(window, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window, nullptr, TRUE);
    }
    shown_ = items;
}
