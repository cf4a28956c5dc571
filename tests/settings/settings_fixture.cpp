#include "tests/settings/settings_fixture.h"

#include "platform/exceptions.h"
#include "settings/change_tracker.h"
#include "settings/settings.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>
#include <utility>

namespace {

// Key names ignore case, and the keys a test sees may have been created with another
// spelling first, so key paths are compared folded.
std::string Folded(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string ShortKey(const std::string& key) {
    std::string folded = Folded(key);
    for (auto [full, shortName] :
         {std::pair{"hkey_local_machine\\software\\classes", "hkcr"},
          std::pair{"hkey_current_user", "hkcu"}, std::pair{"hkey_local_machine", "hklm"}}) {
        std::string prefix = full;
        if (folded.rfind(prefix, 0) == 0)
            return shortName + folded.substr(prefix.size());
    }
    return folded;
}

std::string Describe(const RegistryValue& v) {
    switch (v.type) {
    case RegistryType::String:
        return "sz \"" + v.data + "\"";
    case RegistryType::ExpandString:
        return "expand \"" + v.data + "\"";
    case RegistryType::DWord: {
        char text[16];
        std::snprintf(text, sizeof text, "0x%X", v.AsDWord());
        return std::string("dword ") + text;
    }
    case RegistryType::Binary: {
        std::string text = "binary";
        for (unsigned char c : v.data) {
            char byte[4];
            std::snprintf(byte, sizeof byte, " %02X", c);
            text += byte;
        }
        return text;
    }
    case RegistryType::Other:
        break;
    }
    return "none";
}

} // namespace

RegistryValue Sz(const std::string& text) {
    return RegistryValue::String(text);
}
RegistryValue Dword(std::uint32_t value) {
    return RegistryValue::DWord(value);
}
RegistryValue Bin(std::initializer_list<int> bytes) {
    std::string data;
    for (int b : bytes)
        data.push_back(static_cast<char>(b));
    return RegistryValue::Binary(data);
}

std::vector<std::string> Changes(const RegistrySnapshot& before, const RegistrySnapshot& after) {
    std::vector<std::string> lines;
    for (const auto& key : after.keys)
        if (!before.keys.count(key))
            lines.push_back("+" + ShortKey(key));
    for (const auto& key : before.keys)
        if (!after.keys.count(key))
            lines.push_back("-" + ShortKey(key));
    for (const auto& [place, value] : after.values) {
        auto old = before.values.find(place);
        if (old == before.values.end() || !(old->second == value))
            lines.push_back(ShortKey(place.first) + ": " + place.second + " = " + Describe(value));
    }
    for (const auto& [place, value] : before.values)
        if (!after.values.count(place))
            lines.push_back(ShortKey(place.first) + ": " + place.second + " deleted");
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::string KeyLine(RootKey root, const std::string& path) {
    const char* name = root == HKCU ? "hkcu" : root == HKCR ? "hkcr" : "hklm";
    return std::string(name) + "\\" + Folded(path);
}

std::string ValueLine(RootKey root, const std::string& path, const std::string& name,
                      const std::optional<RegistryValue>& value) {
    return KeyLine(root, path) + ": " + name + (value ? " = " + Describe(*value) : " deleted");
}

void SettingsTest::Remove(RootKey root, const std::string& path, const std::string& name) {
    if (auto key = platform.registry.OpenKey(root, path, false))
        key->DeleteValue(name);
}

TControl& SettingsTest::MarkHolder(const std::string& name) {
    auto& control = Get<TControl>(name);
    if (dynamic_cast<TEdit*>(&control) && control.Parent())
        return *control.Parent();
    return control;
}

bool SettingsTest::Marked(const std::string& name) {
    TControl& holder = MarkHolder(name);
    bool tagged = holder.Tag() == 1;
    EXPECT_EQ(holder.Font().Color(), tagged ? clBlue : clWindowText) << name;
    EXPECT_TRUE(holder.Tag() == 0 || holder.Tag() == 1) << name;
    return tagged;
}

void SettingsTest::ExpectChangesSince(const RegistrySnapshot& before,
                                      std::vector<std::string> expected) {
    std::vector<std::string> actual = Changes(before, platform.registry.Snapshot());
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> missing, unexpected;
    std::set_difference(expected.begin(), expected.end(), actual.begin(), actual.end(),
                        std::back_inserter(missing));
    std::set_difference(actual.begin(), actual.end(), expected.begin(), expected.end(),
                        std::back_inserter(unexpected));
    EXPECT_EQ(missing, std::vector<std::string>()) << "changes that did not happen";
    EXPECT_EQ(unexpected, std::vector<std::string>()) << "changes that should not have happened";
}

int SettingsTest::Count() const {
    return form->Changes().ChangeCount();
}

void SettingsTest::ApplyNow() {
    try {
        form->SettingsPart().ZastosujButtonClick(form);
    } catch (const std::exception& e) {
        app->HandleException(e);
    }
}

void SettingsTest::SetBox(const std::string& name, bool checked) {
    if (Box(name).Checked() != checked)
        Click(name);
    ASSERT_EQ(Box(name).Checked(), checked) << name << " could not be clicked";
}

void SettingsTest::Press(const std::string& button) {
    try {
        Click(button);
    } catch (const std::exception& e) {
        app->HandleException(e);
    }
}
