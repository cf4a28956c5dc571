#include "i18n/index_file.h"

#include "platform/file_names.h"
#include "platform/services.h"

namespace {

const char* const LanguageName = "Language";

} // namespace

void IndexFile::Load(FileSystem& files, Folders& folders, const std::string& exeName) {
    IniStrings.Clear();
    savedText_.clear();
    std::string folder = ExtractFilePath(exeName);
    std::string ownFolder = folders.ApplicationData();
    if (!files.FolderIsWritable(folder) && !ownFolder.empty())
        folder = ownFolder + "Sorvanto\\";
    IniFileName = folder + "srvt.ini";
    if (files.FileExists(IniFileName)) {
        IniStrings.LoadFromFile(files, IniFileName);
        savedText_ = IniStrings.Text();
    }
}

void IndexFile::Release() {
    IniStrings.Clear();
}

std::string IndexFile::Language() const {
    return IniStrings.Values(LanguageName);
}

void IndexFile::RecordLanguage(const std::string& name) {
    if (IniStrings.IndexOfName(LanguageName) < 0)
        IniStrings.Add(std::string(LanguageName) + "=");
    IniStrings.SetValue(LanguageName, name);
}

void IndexFile::Save(FileSystem& files) {
    std::string text = IniStrings.Text();
    if (text == savedText_)
        return;
    files.CreateFolder(ExtractFilePath(IniFileName));
    IniStrings.SaveToFile(files, IniFileName);
    savedText_ = text;
}
