#pragma once
// Windows' own reg.exe, as a user would run it to restore a journal, and its full exports of
// a root, taken to compare the whole registry before and after.
#include <string>
#include <vector>

// Runs reg.exe with the arguments and waits for it; its exit code.
unsigned long RunReg(const std::wstring& arguments);

// A root as reg.exe exports it ("HKCU", "HKLM"): one entry per value, "[key] value line",
// sorted, so that two exports compare whatever order the registry lists things in.
std::vector<std::wstring> ExportedValues(const std::wstring& root, const std::wstring& file);

// The entries only in one of two exports, marked "-" (gone) and "+" (new), in UTF-8 with
// \u escapes; none when they are equal.
std::vector<std::string> ExportDifferences(const std::vector<std::wstring>& before,
                                           const std::vector<std::wstring>& after);
