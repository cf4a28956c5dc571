#pragma once
// The services of a native test: the memory registry, memory files, and doubles that record
// what the program asked of the shell and which boxes it showed, answering them from a
// script.
#include "platform/memory_registry_store.h"
#include "platform/services.h"
#include "tests/support/fake_file_dialogs.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/memory_unicode_file_system.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct ShownBox {
    std::string text;
    std::string caption;
    unsigned flags = 0;
};

class ScriptedMessageBoxes : public MessageBoxes {
public:
    int Show(TForm* owner, const std::string& text, const std::string& caption,
             unsigned flags) override;

    std::vector<ShownBox> shown;
    // Answers given in turn; IDOK once they have run out.
    std::deque<int> answers;
    // Runs while a box is open (inside the modal loop of the real one).
    std::function<void(const ShownBox&)> whileShown;
};

class RecordingShell : public Shell {
public:
    void Open(TForm* owner, const std::string& file) override;
    void NotifyImagesChanged() override { notifications.push_back("images changed"); }
    void NotifyAssociationsChanged() override { notifications.push_back("associations changed"); }
    void BroadcastWindowMetricsChanged() override {
        notifications.push_back("window metrics changed");
    }

    std::vector<std::string> opened;
    std::vector<std::string> notifications;
};

class RecordingProcesses : public Processes {
public:
    void Start(const std::u16string& commandLine) override { started.push_back(commandLine); }

    std::vector<std::u16string> started;
};

// An icon picture of the doubles, known by where it came from.
class FakeIconImage : public IconImage {
public:
    explicit FakeIconImage(std::string source) : source(std::move(source)) {}
    std::string source;
};

// Icon files by name (letter case ignored); icon i of a file is a picture known as
// "name,i", with the name as it was added. Negative indices name nothing.
class FakeIcons : public Icons {
public:
    TIcon ApplicationIcon() override { return applicationIcon; }
    int Count(const std::string& file) override;
    TIcon Extract(const std::string& file, int index) override;
    std::vector<TIcon> ExtractRun(const std::string& file, int first, int count) override;

    void AddIconFile(const std::string& name, int count);
    // Where a picture came from ("shell32.dll,15", "application"), or "" for none.
    static std::string SourceOf(const TIcon& icon);

    TIcon applicationIcon{std::make_shared<FakeIconImage>("application")};
    // Every question asked of a file, in order: "count F", "extract F,3", "run F,0+45".
    std::vector<std::string> reads;

private:
    struct IconFile {
        std::string name;
        int count;
    };
    const IconFile* Find(const std::string& name) const;
    TIcon Picture(const IconFile* file, int index) const;

    std::vector<IconFile> files_;
};

class HeadlessWindows : public WindowSystem {
public:
    void CreateViews(TForm& form) override;
    // Runs `whileRunning` as the events of the loop, then returns.
    void Run(TApplication& application) override;
    void Quit() override { quitCount++; }

    std::function<void(TApplication&)> whileRunning;
    int viewsCreated = 0;
    int quitCount = 0;
};

class FakeFolders : public Folders {
public:
    std::string ApplicationData() override { return applicationData; }
    std::string applicationData = "C:\\Users\\Ola\\AppData\\Roaming\\";
    std::u16string LocalApplicationData() override { return localApplicationData; }
    std::u16string localApplicationData = u"C:\\Users\\Ola\\AppData\\Local";
};

// A clock that shows the time a test gives it.
class FixedClock : public Clock {
public:
    LocalTime Now() override { return now; }
    LocalTime now{2026, 12, 11, 14, 5, 33};
};

// The one place a test's services are put together: every service is its double below
// unless the test has put another in its place.
class FakePlatform {
public:
    Platform Services();
    // Puts a service in place of its double (the real registry under Wine, a store that
    // records, real windows), for every later Services().
    FakePlatform& Replace(RegistryStore& store);
    FakePlatform& Replace(MessageBoxes& boxes);
    FakePlatform& Replace(FileSystem& fileSystem);
    FakePlatform& Replace(Shell& replacement);
    FakePlatform& Replace(Icons& replacement);
    FakePlatform& Replace(WindowSystem& replacement);
    FakePlatform& Replace(Processes& replacement);
    FakePlatform& Replace(UnicodeFileSystem& replacement);
    FakePlatform& Replace(Folders& replacement);
    FakePlatform& Replace(Clock& replacement);
    FakePlatform& Replace(FileDialogs& replacement);

    MemoryRegistryStore registry;
    ScriptedMessageBoxes messageBoxes;
    MemoryFileSystem files;
    RecordingShell shell;
    FakeIcons icons;
    HeadlessWindows windows;
    RecordingProcesses processes;
    MemoryUnicodeFileSystem unicodeFiles;
    FakeFolders folders;
    FixedClock clock;
    ScriptedFileDialogs fileDialogs;
    std::string exeName = "C:\\Program Files\\Sorvanto\\sorvanto.exe";

private:
    RegistryStore* registryInUse_ = &registry;
    MessageBoxes* messageBoxesInUse_ = &messageBoxes;
    FileSystem* filesInUse_ = &files;
    Shell* shellInUse_ = &shell;
    Icons* iconsInUse_ = &icons;
    WindowSystem* windowsInUse_ = &windows;
    Processes* processesInUse_ = &processes;
    UnicodeFileSystem* unicodeFilesInUse_ = &unicodeFiles;
    Folders* foldersInUse_ = &folders;
    Clock* clockInUse_ = &clock;
    FileDialogs* fileDialogsInUse_ = &fileDialogs;
};
