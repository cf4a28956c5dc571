#pragma once
// Key and value names ignore letter case. The registry folds nearly all of Unicode; this
// folds the letters of the Latin-1 and Latin Extended-A blocks, the basic Greek letters and
// the Cyrillic block up to U+045F, which holds every Windows-1250 letter and the alphabets
// the program meets in practice. Other units compare as they stand.
#include <string_view>

char16_t RegistryFoldCase(char16_t unit);
bool SameRegistryName(std::u16string_view a, std::u16string_view b);
