#include "tests/settings/recording_store.h"

#include "tests/settings/settings_fixture.h"

namespace {

std::string Place(RootKey root, const std::string& path) {
    return KeyLine(root, path);
}

class RecordingKey : public RegistryKey {
public:
    RecordingKey(std::unique_ptr<RegistryKey> inner, std::vector<std::string>& log)
        : inner_(std::move(inner)), log_(log) {}

    std::optional<RegistryValue> Query(const std::string& name) override {
        log_.push_back("query " + name);
        return inner_->Query(name);
    }
    bool Set(const std::string& name, const RegistryValue& value) override {
        log_.push_back("set " + name);
        return inner_->Set(name, value);
    }
    bool DeleteValue(const std::string& name) override {
        log_.push_back("delete " + name);
        return inner_->DeleteValue(name);
    }
    std::vector<std::string> SubKeyNames() override { return inner_->SubKeyNames(); }
    std::vector<std::string> ValueNames() override { return inner_->ValueNames(); }

private:
    std::unique_ptr<RegistryKey> inner_;
    std::vector<std::string>& log_;
};

bool IsKeyLine(const std::string& line) {
    return line.rfind("open ", 0) == 0 || line.rfind("create ", 0) == 0;
}

} // namespace

bool RecordingStore::KeyExists(RootKey root, const std::string& path) {
    log.push_back("exists " + Place(root, path));
    return inner_.KeyExists(root, path);
}

std::unique_ptr<RegistryKey> RecordingStore::OpenKey(RootKey root, const std::string& path,
                                                     bool create) {
    log.push_back((create ? "create " : "open ") + Place(root, path));
    auto key = inner_.OpenKey(root, path, create);
    if (!key)
        return nullptr;
    return std::make_unique<RecordingKey>(std::move(key), log);
}

bool RecordingStore::DeleteKey(RootKey root, const std::string& path) {
    log.push_back("delete key " + Place(root, path));
    return inner_.DeleteKey(root, path);
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
