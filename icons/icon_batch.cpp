#include "icons/icon_batch.h"

#include "platform/services.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <map>

namespace {

// Indices this close share one read: reading a few icons nobody asked for costs less than
// reading the file again.
constexpr int MaxGapInRun = 4;

// The icons of one file at the requested indices.
std::map<int, TIcon> ExtractFromFile(Icons& icons, const std::string& file,
                                     std::vector<int> indices) {
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::map<int, TIcon> found;
    auto next = indices.begin();
    // Negative indices name resources by identifier: they form no runs.
    for (; next != indices.end() && *next < 0; ++next)
        found[*next] = icons.Extract(file, *next);
    while (next != indices.end()) {
        auto last = next;
        while (last + 1 != indices.end() && *(last + 1) - *last <= MaxGapInRun)
            ++last;
        int first = *next;
        std::vector<TIcon> run = icons.ExtractRun(file, first, *last - first + 1);
        int missing = first + static_cast<int>(run.size());
        for (; next != last + 1; ++next) {
            if (*next < missing)
                found[*next] = run[*next - first];
            else if (*next > missing)
                // The run ended at a gap in the file; an icon after it may still be there.
                found[*next] = icons.Extract(file, *next);
        }
    }
    return found;
}

} // namespace

std::vector<TIcon> ExtractIcons(Icons& icons, const std::vector<IconRequest>& requests) {
    std::vector<TIcon> pictures(requests.size());
    std::vector<bool> done(requests.size(), false);
    for (std::size_t i = 0; i < requests.size(); ++i) {
        if (done[i])
            continue;
        // Every request of this file, whatever the letter case of its name.
        std::vector<std::size_t> same;
        std::vector<int> indices;
        for (std::size_t j = i; j < requests.size(); ++j)
            if (!done[j] && CompareTextAnsi(requests[j].file, requests[i].file) == 0) {
                same.push_back(j);
                indices.push_back(requests[j].index);
            }
        std::map<int, TIcon> found = ExtractFromFile(icons, requests[i].file, indices);
        for (std::size_t j : same) {
            pictures[j] = found[requests[j].index];
            done[j] = true;
        }
    }
    return pictures;
}
