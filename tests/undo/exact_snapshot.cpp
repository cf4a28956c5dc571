#include "tests/undo/exact_snapshot.h"

#include <cstdio>
#include <memory>

namespace {

void Walk(RegistryKey& key, const std::u16string& name, RootKey root, const std::u16string& path,
          RegistryStore& store, ExactSnapshot& snapshot) {
    auto& values = snapshot.keys[name];
    for (const std::u16string& valueName : key.ValueNamesExact())
        values[valueName] = key.QueryExact(valueName).value();
    for (const std::u16string& child : key.SubKeyNamesExact()) {
        std::u16string childPath = path.empty() ? child : path + u'\\' + child;
        if (auto childKey = store.OpenKeyExact(root, RegistryView::Bits64, childPath, false))
            Walk(*childKey, name + u'\\' + child, root, childPath, store, snapshot);
    }
}

std::string Utf8(const std::u16string& text) {
    std::string utf8;
    for (char16_t unit : text) {
        if (unit < 0x80) {
            utf8 += static_cast<char>(unit);
        } else {
            char escaped[10];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(unit));
            utf8 += escaped;
        }
    }
    return utf8;
}

std::string Describe(const ExactValue& value) {
    std::string text = "type " + std::to_string(value.type) + ":";
    for (unsigned char c : value.bytes) {
        char byte[4];
        std::snprintf(byte, sizeof byte, " %02x", c);
        text += byte;
    }
    return text;
}

} // namespace

ExactSnapshot TakeExactSnapshot(RegistryStore& store) {
    ExactSnapshot snapshot;
    for (auto [root, name] : {std::pair{RootKey::CurrentUser, u"HKEY_CURRENT_USER"},
                              std::pair{RootKey::LocalMachine, u"HKEY_LOCAL_MACHINE"}})
        if (auto key = store.OpenKeyExact(root, RegistryView::Bits64, u"", false))
            Walk(*key, name, root, u"", store, snapshot);
    return snapshot;
}

std::vector<std::string> Differences(const ExactSnapshot& before, const ExactSnapshot& after) {
    std::vector<std::string> lines;
    for (const auto& [key, values] : before.keys) {
        auto now = after.keys.find(key);
        if (now == after.keys.end()) {
            lines.push_back("key gone: " + Utf8(key));
            continue;
        }
        for (const auto& [name, value] : values) {
            auto found = now->second.find(name);
            if (found == now->second.end())
                lines.push_back("value gone: " + Utf8(key) + " \"" + Utf8(name) + "\"");
            else if (!(found->second == value))
                lines.push_back("value changed: " + Utf8(key) + " \"" + Utf8(name) + "\" " +
                                Describe(value) + " -> " + Describe(found->second));
        }
        for (const auto& [name, value] : now->second)
            if (!values.count(name))
                lines.push_back("value added: " + Utf8(key) + " \"" + Utf8(name) + "\" " +
                                Describe(value));
    }
    for (const auto& [key, values] : after.keys)
        if (!before.keys.count(key))
            lines.push_back("key added: " + Utf8(key));
    return lines;
}
