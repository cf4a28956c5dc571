#pragma once
// The index file "srvt.ini" beside the program: the lines it held when the main window was
// created. Only the language step writes it back.
#include "platform/string_list.h"

#include <string>

class FileSystem;

class IndexFile {
public:
    // The window's creation: IniFileName beside `exeName` and its lines when the file is
    // there. A file that is there but cannot be read raises, with the list left empty.
    void Load(FileSystem& files, const std::string& exeName);
    // The window's destruction; nothing is written.
    void Release();

    TStringList IniStrings;
    std::string IniFileName;
};
