#pragma once
// The filter of a file dialog from a text such as "Ikony (*.ico)|*.ico|Wszystkie pliki
// (*.*)|*.*|": descriptions and patterns, each ended by "|".
#include <string>

// Each "|" becomes a NUL and the list is closed by its empty string, also when the text
// (from a language file) lacks its final "|". An empty text gives an empty list.
std::string MakeDialogFilter(const std::string& text);
