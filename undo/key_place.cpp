#include "undo/key_place.h"

#include "platform/registry_name_case.h"
#include "platform/registry_view.h"

#include <algorithm>

namespace {

const char16_t* RootName(RootKey root) {
    switch (root) {
    case RootKey::CurrentUser:
        return u"HKEY_CURRENT_USER";
    case RootKey::ClassesRoot:
        return u"HKEY_CLASSES_ROOT";
    case RootKey::LocalMachine:
        break;
    }
    return u"HKEY_LOCAL_MACHINE";
}

} // namespace

KeyPlace KeyPlace::Of(RootKey root, RegistryView view, const std::u16string& path) {
    return {root, PartsIn64BitView(root, view, path)};
}

std::u16string KeyPlace::Path() const {
    std::u16string path;
    for (const std::u16string& part : parts) {
        if (!path.empty())
            path += u'\\';
        path += part;
    }
    return path;
}

std::u16string KeyPlace::FullName() const {
    std::u16string name = RootName(root);
    for (const std::u16string& part : parts)
        name += u'\\' + part;
    return name;
}

std::u16string KeyPlace::Identity() const {
    std::u16string identity(1, static_cast<char16_t>(u'0' + static_cast<int>(root)));
    for (const std::u16string& part : parts) {
        identity += u'\\';
        for (char16_t unit : part)
            identity += RegistryFoldCase(unit);
    }
    return identity;
}

KeyPlace KeyPlace::Parent() const {
    KeyPlace parent = *this;
    if (!parent.parts.empty())
        parent.parts.pop_back();
    return parent;
}

KeyPlace KeyPlace::Child(const std::u16string& name) const {
    KeyPlace child = *this;
    child.parts.push_back(name);
    return child;
}

bool KeyPlace::IsAtOrBelow(const KeyPlace& ancestor) const {
    return root == ancestor.root && ancestor.parts.size() <= parts.size() &&
           std::equal(ancestor.parts.begin(), ancestor.parts.end(), parts.begin(),
                      [](const auto& a, const auto& b) { return SameRegistryName(a, b); });
}
