#include "platform/win32/wide_text.h"

#include "platform/text_codec.h"

// wchar_t is a UTF-16 unit on Windows, so the two string kinds hold the same units.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Wide(std::string_view text) {
    std::u16string units = Cp1250ToUtf16(text);
    return std::wstring(units.begin(), units.end());
}

std::string Narrow(std::wstring_view text) {
    return Utf16ToCp1250(std::u16string(text.begin(), text.end()));
}

std::optional<std::string> NarrowExactly(std::wstring_view text) {
    std::string narrow = Narrow(text);
    if (Wide(narrow) != text)
        return std::nullopt;
    return narrow;
}

char NarrowChar(wchar_t unit) {
    // A lone surrogate has no Windows-1250 form either.
    if (unit >= 0xD800 && unit <= 0xDFFF)
        return '?';
    return Narrow(std::wstring_view(&unit, 1))[0];
}

wchar_t WideChar(char byte) {
    return Wide(std::string_view(&byte, 1))[0];
}
