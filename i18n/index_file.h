#pragma once
// The index file "srvt.ini": name=value lines of which the program uses one, "Language", the
// language applied last. It lives beside the program where the program's folder can be
// written, and in the user's own application data otherwise (a program in a folder only an
// administrator may change). It is loaded once when the main window is created, and only
// the language step writes it back.
#include "platform/string_list.h"

#include <string>

class FileSystem;
class Folders;

class IndexFile {
public:
    // The window's creation: IniFileName, and its lines when the file is there. A file that
    // is there but cannot be read raises, with the list left empty.
    void Load(FileSystem& files, Folders& folders, const std::string& exeName);
    // The window's destruction; nothing is written.
    void Release();

    // The value of the first "Language" line, letter case ignored; "" without one.
    std::string Language() const;
    // Records a language: the first "Language" line names it, in its place or appended at
    // the end; an empty name removes that line.
    void RecordLanguage(const std::string& name);
    // Writes the lines to IniFileName, replacing the file, when they differ from what the
    // file holds; raises "Cannot create file %s" when the file cannot be written.
    void Save(FileSystem& files);

    TStringList IniStrings;
    std::string IniFileName;

private:
    // The text of the file as loaded or last written; a missing file holds none.
    std::string savedText_;
};
