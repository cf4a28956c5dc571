#include "platform/registry_view.h"

#include "platform/registry_name_case.h"

#include <algorithm>

namespace {

std::vector<std::u16string> SplitRegistryPath(std::u16string_view path) {
    std::vector<std::u16string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = std::min(path.find(u'\\', start), path.size());
        if (end > start)
            parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

bool KeptApart(RootKey root, RegistryView view, const std::vector<std::u16string>& parts) {
    if (view != RegistryView::Bits32 || root != RootKey::LocalMachine || parts.empty() ||
        !SameRegistryName(parts[0], u"Software"))
        return false;
    return parts.size() == 1 ||
           !(SameRegistryName(parts[1], u"Classes") || SameRegistryName(parts[1], u"WOW6432Node"));
}

} // namespace

std::vector<std::u16string> PartsIn64BitView(RootKey root, RegistryView view,
                                             std::u16string_view path) {
    std::vector<std::u16string> parts = SplitRegistryPath(path);
    if (KeptApart(root, view, parts))
        parts.insert(parts.begin() + 1, u"WOW6432Node");
    return parts;
}

std::u16string PathIn64BitView(RootKey root, RegistryView view, std::u16string_view path) {
    std::u16string joined;
    for (const std::u16string& part : PartsIn64BitView(root, view, path)) {
        if (!joined.empty())
            joined += u'\\';
        joined += part;
    }
    return joined;
}
