#pragma once
// The program's Windows-1250 text as the UTF-16 of the W functions, and back.
#include <optional>
#include <string>
#include <string_view>

std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);
// The same when every character has a Windows-1250 form; nothing otherwise.
std::optional<std::string> NarrowExactly(std::wstring_view text);
// One UTF-16 unit as a Windows-1250 byte, '?' when the code page has none.
char NarrowChar(wchar_t unit);
wchar_t WideChar(char byte);
