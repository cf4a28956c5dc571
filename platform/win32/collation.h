#pragma once
// The order of the system's sorted lists, for the model's sorted lists and combo boxes, so
// that a text lands where the window would have put it.
#include <string>

// CompareStringW in the user's locale, ignoring case: negative, zero or positive.
int CompareLikeSortedList(const std::string& a, const std::string& b);
