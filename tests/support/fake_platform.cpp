#include "tests/support/fake_platform.h"

#include "platform/application.h"
#include "platform/text_codec.h"

int ScriptedMessageBoxes::Show(TForm* /*owner*/, const std::string& text,
                               const std::string& caption, unsigned flags) {
    shown.push_back({text, caption, flags});
    if (whileShown)
        whileShown(shown.back());
    if (answers.empty())
        return mb::IdOk;
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingShell::Open(TForm* /*owner*/, const std::string& file) {
    opened.push_back(file);
}

int FakeIcons::Count(const std::string& file) {
    reads.push_back("count " + file);
    const IconFile* found = Find(file);
    return found ? found->count : 0;
}

TIcon FakeIcons::Extract(const std::string& file, int index) {
    reads.push_back("extract " + file + "," + std::to_string(index));
    return Picture(Find(file), index);
}

std::vector<TIcon> FakeIcons::ExtractRun(const std::string& file, int first, int count) {
    reads.push_back("run " + file + "," + std::to_string(first) + "+" + std::to_string(count));
    const IconFile* found = Find(file);
    std::vector<TIcon> icons;
    for (int i = first; i < first + count; ++i) {
        TIcon icon = Picture(found, i);
        if (icon.Empty())
            break;
        icons.push_back(icon);
    }
    return icons;
}

void FakeIcons::AddIconFile(const std::string& name, int count) {
    files_.push_back({name, count});
}

std::string FakeIcons::SourceOf(const TIcon& icon) {
    auto* image = dynamic_cast<const FakeIconImage*>(icon.Image());
    return image ? image->source : "";
}

const FakeIcons::IconFile* FakeIcons::Find(const std::string& name) const {
    for (const IconFile& file : files_)
        if (CompareTextAnsi(file.name, name) == 0)
            return &file;
    return nullptr;
}

TIcon FakeIcons::Picture(const IconFile* file, int index) const {
    if (!file || index < 0 || index >= file->count)
        return TIcon();
    return TIcon(std::make_shared<FakeIconImage>(file->name + "," + std::to_string(index)));
}

void HeadlessWindows::CreateViews(TForm& /*form*/) {
    viewsCreated++;
}

void HeadlessWindows::Run(TApplication& application) {
    if (whileRunning)
        whileRunning(application);
}

Platform FakePlatform::Services() {
    return Platform{*registryInUse_, *messageBoxesInUse_, *filesInUse_,     *shellInUse_,
                    *iconsInUse_,    *windowsInUse_,      *processesInUse_, *fileDialogsInUse_,
                    *foldersInUse_,  *unicodeFilesInUse_, *clockInUse_,     exeName};
}

FakePlatform& FakePlatform::Replace(RegistryStore& store) {
    registryInUse_ = &store;
    return *this;
}

FakePlatform& FakePlatform::Replace(MessageBoxes& boxes) {
    messageBoxesInUse_ = &boxes;
    return *this;
}

FakePlatform& FakePlatform::Replace(FileSystem& fileSystem) {
    filesInUse_ = &fileSystem;
    return *this;
}

FakePlatform& FakePlatform::Replace(Shell& replacement) {
    shellInUse_ = &replacement;
    return *this;
}

FakePlatform& FakePlatform::Replace(Icons& replacement) {
    iconsInUse_ = &replacement;
    return *this;
}

FakePlatform& FakePlatform::Replace(WindowSystem& replacement) {
    windowsInUse_ = &replacement;
    return *this;
}

FakePlatform& FakePlatform::Replace(Processes& replacement) {
    processesInUse_ = &replacement;
    return *this;
}

FakePlatform& FakePlatform::Replace(UnicodeFileSystem& replacement) {
    unicodeFilesInUse_ = &replacement;
    return *this;
}

FakePlatform& FakePlatform::Replace(Folders& replacement) {
    foldersInUse_ = &replacement;
    return *this;
}

FakePlatform& FakePlatform::Replace(Clock& replacement) {
    clockInUse_ = &replacement;
    return *this;
}

FakePlatform& FakePlatform::Replace(FileDialogs& replacement) {
    fileDialogsInUse_ = &replacement;
    return *this;
}
