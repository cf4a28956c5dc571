#pragma once
// Splitting Windows file names. Only "\" and ":" separate folders: the program's names are
// Windows names on every build, so "/" is an ordinary character here.
#include <string>

// Everything up to and including the last "\" or ":"; "" when there is neither.
std::string ExtractFilePath(const std::string& name);
// Everything after the last "\" or ":".
std::string ExtractFileName(const std::string& name);
