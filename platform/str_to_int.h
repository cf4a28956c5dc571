#pragma once
// StrToInt: leading spaces skipped, one sign, then decimal digits, or hexadecimal digits
// after "$" or "0x"; anything else, an empty text or an overflow raises
// "'%s' is not a valid integer value".
#include <string>

int StrToInt(const std::string& text);
std::string IntToStr(int value);
