#include "i18n/index_file.h"

#include "platform/file_names.h"
#include "platform/services.h"

void IndexFile::Load(FileSystem& files, const std::string& exeName) {
    IniStrings.Clear();
    IniFileName = ExtractFilePath(exeName) + "srvt.ini";
    if (files.FileExists(IniFileName))
        IniStrings.LoadFromFile(files, IniFileName);
}

void IndexFile::Release() {
    IniStrings.Clear();
}
