#include "platform/win32/collation.h"

#include "platform/win32/wide_text.h"

#include "platform/win32/windows_api.h"

int CompareLikeSortedList(const std::string& a, const std::string& b) {
    std::wstring wa = Wide(a), wb = Wide(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.c_str(),
                          static_cast<int>(wa.size()), wb.c_str(), static_cast<int>(wb.size())) -
           CSTR_EQUAL;
}
