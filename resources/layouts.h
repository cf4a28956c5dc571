#pragma once
// The window layout descriptions of resources/layout/, built into the program.
#include <string_view>

// The text of a description by its file name; raises for a name that is not there.
std::string_view EmbeddedLayout(std::string_view fileName);
