#pragma once
// The 151 sections of the language export: the main window's components that it lists, in
// the window's component order. Both the component-order tests and the export tests compare
// with this one list.
#include <string>
#include <vector>

// The names of a space-separated list.
std::vector<std::string> Words(const std::string& text);

const std::vector<std::string>& ExportedSections();
