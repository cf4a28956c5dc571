#include "tests/settings/recording_store.h"

#include "platform/text_codec.h"
#include "tests/settings/settings_fixture.h"

namespace {

std::string Place(RootKey root, const std::u16string& path) {
    return KeyLine(root, Utf16ToCp1250(path));
}

class RecordingKey : public RegistryKey {
public:
    RecordingKey(std::unique_ptr<RegistryKey> inner, std::vector<std::string>& log)
        : inner_(std::move(inner)), log_(log) {}

    std::optional<ExactValue> QueryExact(const std::u16string& name) override {
        log_.push_back("query " + Utf16ToCp1250(name));
        return inner_->QueryExact(name);
    }
    bool SetExact(const std::u16string& name, const ExactValue& value) override {
        log_.push_back("set " + Utf16ToCp1250(name));
        return inner_->SetExact(name, value);
    }
    bool DeleteValueExact(const std::u16string& name) override {
        log_.push_back("delete " + Utf16ToCp1250(name));
        return inner_->DeleteValueExact(name);
    }
    std::vector<std::u16string> SubKeyNamesExact() override { return inner_->SubKeyNamesExact(); }
    std::vector<std::u16string> ValueNamesExact() override { return inner_->ValueNamesExact(); }

private:
    std::unique_ptr<RegistryKey> inner_;
    std::vector<std::string>& log_;
};

bool IsKeyLine(const std::string& line) {
    return line.rfind("open ", 0) == 0 || line.rfind("create ", 0) == 0;
}

} // namespace

bool RecordingStore::KeyExistsExact(RootKey root, RegistryView view, const std::u16string& path) {
    log.push_back("exists " + Place(root, path));
    return inner_.KeyExistsExact(root, view, path);
}

std::unique_ptr<RegistryKey> RecordingStore::OpenKeyExact(RootKey root, RegistryView view,
                                                          const std::u16string& path, bool create) {
    log.push_back((create ? "create " : "open ") + Place(root, path));
    auto key = inner_.OpenKeyExact(root, view, path, create);
    if (!key)
        return nullptr;
    return std::make_unique<RecordingKey>(std::move(key), log);
}

bool RecordingStore::DeleteKeyExact(RootKey root, RegistryView view, const std::u16string& path) {
    log.push_back("delete key " + Place(root, path));
    return inner_.DeleteKeyExact(root, view, path);
}

std::vector<std::string> KeyVisits(const std::vector<std::string>& log) {
    std::vector<std::string> visits;
    for (const std::string& line : log)
        if (IsKeyLine(line))
            visits.push_back(line);
    return visits;
}

std::vector<std::string> ValuesTouched(const std::vector<std::string>& log,
                                       const std::string& keyLine, const std::string& kind) {
    std::vector<std::string> names;
    bool inKey = false;
    const std::string prefix = kind + " ";
    for (const std::string& line : log) {
        if (IsKeyLine(line)) {
            inKey = line == keyLine;
            continue;
        }
        if (!inKey || line.rfind(prefix, 0) != 0)
            continue;
        std::string name = line.substr(prefix.size());
        if (names.empty() || names.back() != name)
            names.push_back(name);
    }
    return names;
}
