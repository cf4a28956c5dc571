#pragma once
// A small reader of .reg files for the tests, written apart from the program's writer so
// that it shares none of its mistakes: it takes the Registry Editor's export form (UTF-16LE
// with a byte-order mark, "Windows Registry Editor Version 5.00", CR LF, [KEY], [-KEY],
// "name"= or @= with a string, dword:, hex:, hex(N): or -, hex data carried on over lines
// ending in a backslash) and applies it to a store as `reg import` does. Anything else is an
// error, raised with its line number.
#include <string>

class RegistryStore;

void ImportRegFile(const std::string& bytes, RegistryStore& store);
