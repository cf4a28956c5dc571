#include "tests/support/fake_platform.h"

#include "platform/application.h"

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

void HeadlessWindows::CreateViews(TForm& /*form*/) {
    viewsCreated++;
}

void HeadlessWindows::Run(TApplication& application) {
    if (whileRunning)
        whileRunning(application);
}

Platform FakePlatform::Services() {
    return Platform{*registryInUse_,     *messageBoxesInUse_, *filesInUse_,     *shellInUse_,
                    *iconsInUse_,        *windowsInUse_,      *processesInUse_, *foldersInUse_,
                    *unicodeFilesInUse_, *clockInUse_,        exeName};
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
