// "Od&buduj": the cache file goes, the icon size is set to "0" and back to "32" around the
// notices to the shell, and nothing of the window changes.
#include "platform/check_box.h"
#include "tests/icons/icons_fixture.h"

#include <vector>

namespace {

// One log of what the rebuild does to the files, the registry and the shell, in order.
using Journal = std::vector<std::string>;

class JournalShell : public Shell {
public:
    explicit JournalShell(Journal& log) : log_(log) {}
    void Open(TForm* /*owner*/, const std::string& /*file*/) override {}
    void NotifyImagesChanged() override { log_.push_back("images changed"); }
    void NotifyAssociationsChanged() override { log_.push_back("associations changed"); }
    void BroadcastWindowMetricsChanged() override { log_.push_back("metrics broadcast"); }

private:
    Journal& log_;
};

class JournalFiles : public MemoryFileSystem {
public:
    explicit JournalFiles(Journal& log) : log_(log) {}
    bool RemoveFile(const std::string& name) override {
        log_.push_back("remove " + name);
        return MemoryFileSystem::RemoveFile(name);
    }

private:
    Journal& log_;
};

class JournalKey : public RegistryKey {
public:
    JournalKey(std::unique_ptr<RegistryKey> inner, Journal& log)
        : inner_(std::move(inner)), log_(log) {}
    std::optional<RegistryValue> Query(const std::string& name) override {
        return inner_->Query(name);
    }
    bool Set(const std::string& name, const RegistryValue& value) override {
        log_.push_back("set " + name + " = " + value.data);
        return inner_->Set(name, value);
    }
    bool DeleteValue(const std::string& name) override { return inner_->DeleteValue(name); }
    std::vector<std::string> SubKeyNames() override { return inner_->SubKeyNames(); }
    std::vector<std::string> ValueNames() override { return inner_->ValueNames(); }

private:
    std::unique_ptr<RegistryKey> inner_;
    Journal& log_;
};

class JournalStore : public RegistryStore {
public:
    JournalStore(RegistryStore& inner, Journal& log) : inner_(inner), log_(log) {}
    bool KeyExists(RootKey root, const std::string& path) override {
        return inner_.KeyExists(root, path);
    }
    std::unique_ptr<RegistryKey> OpenKey(RootKey root, const std::string& path,
                                         bool create) override {
        auto key = inner_.OpenKey(root, path, create);
        return key ? std::make_unique<JournalKey>(std::move(key), log_) : nullptr;
    }
    bool DeleteKey(RootKey root, const std::string& path) override {
        return inner_.DeleteKey(root, path);
    }

private:
    RegistryStore& inner_;
    Journal& log_;
};

class RebuildTest : public IconsTest {
protected:
    void Prepare() override {
        files.windowsDirectory = "C:\\WIN";
        files.AddFile("C:\\WIN\\ShellIconCache", "cache");
        platform.Replace(shell).Replace(files).Replace(store);
        Put(HKCU, paths::WindowMetrics, "Shell Icon Size", Sz("48"));
    }

    Journal log;
    JournalShell shell{log};
    JournalFiles files{log};
    JournalStore store{platform.registry, log};
};

TEST_F(RebuildTest, RunsItsStepsInOrderAndLeavesTheWindowAlone) {
    ASSERT_TRUE(Box("ShellIconSizeBox").Checked());
    Click("BoxNoRun");
    RestoreDefault(6);
    log.clear();
    PressButton("RCIButton");
    EXPECT_EQ(log, (Journal{"remove C:\\WIN\\ShellIconCache", "set Shell Icon Size = 0",
                            "images changed", "associations changed", "metrics broadcast",
                            "set Shell Icon Size = 32", "metrics broadcast"}));
    EXPECT_EQ(platform.registry.Get(HKCU, paths::WindowMetrics, "Shell Icon Size"), Sz("32"));
    EXPECT_FALSE(files.FileExists("C:\\WIN\\ShellIconCache"));
    EXPECT_EQ(Count(), 2);
    EXPECT_TRUE(Marked("BoxNoRun"));
    EXPECT_TRUE(SlotMarked(6));
    EXPECT_TRUE(Box("ShellIconSizeBox").Checked());
    EXPECT_EQ(ErrorCount(), 0);
}

TEST_F(RebuildTest, WithoutACacheFileOrASizeItStillEndsAt32) {
    files.RemoveFile("C:\\WIN\\ShellIconCache");
    platform.registry.DeleteKey(HKCU, paths::WindowMetrics);
    PressButton("RCIButton");
    EXPECT_EQ(platform.registry.Get(HKCU, paths::WindowMetrics, "Shell Icon Size"), Sz("32"));
    EXPECT_EQ(ErrorCount(), 0);
}

} // namespace
