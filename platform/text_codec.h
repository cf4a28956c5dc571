#pragma once
// The program's text is Windows-1250; sources are UTF-8 and Windows speaks UTF-16. These
// convert at the edges. Characters without a Windows-1250 form become "?".
#include <string>
#include <string_view>

std::string Utf8ToCp1250(std::string_view utf8);
std::string Cp1250ToUtf8(std::string_view text);
std::u16string Cp1250ToUtf16(std::string_view text);
std::string Utf16ToCp1250(std::u16string_view utf16);
// Lower-cases a Windows-1250 letter (ASCII and the Central European letters).
unsigned char Cp1250Lower(unsigned char c);
// Compares Windows-1250 texts without regard to letter case (negative, zero, positive),
// the portable order of sorted lists.
int CompareTextAnsi(const std::string& a, const std::string& b);
