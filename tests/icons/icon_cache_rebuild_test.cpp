// "Od&buduj": the cache file goes, the icon size is set to "0" and back to "32" around the
// notices to the shell, and nothing of the window changes.
#include "platform/check_box.h"
#include "platform/text_codec.h"
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
    std::optional<ExactValue> QueryExact(const std::u16string& name) override {
        return inner_->QueryExact(name);
    }
    bool SetExact(const std::u16string& name, const ExactValue& value) override {
        log_.push_back("set " + Utf16ToCp1250(name) + " = " + RegistryValue::FromExact(value).data);
        return inner_->SetExact(name, value);
    }
    bool DeleteValueExact(const std::u16string& name) override {
        return inner_->DeleteValueExact(name);
    }
    std::vector<std::u16string> SubKeyNamesExact() override { return inner_->SubKeyNamesExact(); }
    std::vector<std::u16string> ValueNamesExact() override { return inner_->ValueNamesExact(); }

private:
    std::unique_ptr<RegistryKey> inner_;
    Journal& log_;
};

class JournalStore : public RegistryStore {
public:
    JournalStore(RegistryStore& inner, Journal& log) : inner_(inner), log_(log) {}
    bool KeyExistsExact(RootKey root, RegistryView view, const std::u16string& path) override {
        return inner_.KeyExistsExact(root, view, path);
    }
    std::unique_ptr<RegistryKey> OpenKeyExact(RootKey root, RegistryView view,
                                              const std::u16string& path, bool create) override {
        auto key = inner_.OpenKeyExact(root, view, path, create);
        return key ? std::make_unique<JournalKey>(std::move(key), log_) : nullptr;
    }
    bool DeleteKeyExact(RootKey root, RegistryView view, const std::u16string& path) override {
        return inner_.DeleteKeyExact(root, view, path);
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

TEST_F(RebuildTest, AJournalThatCannotBeWrittenStopsItBeforeItsFirstStep) {
    platform.unicodeFiles.RefuseCreatingUnder(platform.folders.localApplicationData +
                                              u"\\Sorvanto\\Undo");
    log.clear();
    PressButton("RCIButton");
    EXPECT_EQ(log, Journal{});
    EXPECT_TRUE(files.FileExists("C:\\WIN\\ShellIconCache"));
    EXPECT_EQ(platform.registry.Get(HKCU, paths::WindowMetrics, "Shell Icon Size"), Sz("48"));
    ASSERT_EQ(ErrorCount(), 1);
    EXPECT_EQ(platform.messageBoxes.shown[0].text.rfind("Cannot create file ", 0), 0u)
        << platform.messageBoxes.shown[0].text;
}

} // namespace
