#pragma once
// Language files: the captions and hints of the main window's components, the items of the
// icon list and the 14 message texts, by component name. A section is a header line
// "[Name]" followed by its key lines ("Caption=...", "Hint=...") and, for the icon list, one
// line per item; the "[Strings]" section holds the message texts, one a line. The export
// writes exactly the form the reader takes, so a translated copy of it is a language file.
#include <string>
#include <vector>

class MessageTexts;
class TComponent;

// The name of the list whose items a language file carries.
inline constexpr const char* IconListName = "IconsListBox";

// The lines of the export: one section per covered component, in the order the window
// created them, then the Strings section.
std::vector<std::string> ExportLanguageFile(const TComponent& form, const MessageTexts& texts);

// Applies a language file's lines to the window's components and the message texts. Texts
// the file does not name keep what they show. A file that ends inside the icon list's items
// or the Strings section raises "List index out of bounds (%d)", with the position of the
// missing line; what came before stays applied.
void ApplyLanguageFile(TComponent& form, MessageTexts& texts,
                       const std::vector<std::string>& lines);
