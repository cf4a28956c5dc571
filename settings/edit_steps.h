#pragma once
// Edit settings: the text of an edit as a REG_SZ. An edit's change mark is the Tag of the
// panel that holds it.
#include <string>

class TEdit;
class TRegistry;

// A REG_SZ is shown; a missing value or one of another type empties the edit.
void ReadEditText(TRegistry& registry, TEdit& edit, const std::string& name);
// Only for a marked edit: writes its text unchanged (an empty text writes "").
void WriteEditIfChanged(TRegistry& registry, const TEdit& edit, const std::string& name);

// ReadEditText of the class key's InfoTip value when the key is there; a missing key leaves
// the edit as it is. Opens and closes the class key itself.
void ReadInfoTip(TRegistry& registry, TEdit& edit, const std::string& classKey,
                 const std::string& name);
// Opens the class key with creation, marked or not, and writes the value when marked.
void WriteInfoTipIfChanged(TRegistry& registry, const TEdit& edit, const std::string& classKey,
                           const std::string& name);

// Only for a marked edit: writes its text without the leading and trailing characters of
// code 32 or below.
void WriteTrimmedEditIfChanged(TRegistry& registry, const TEdit& edit, const std::string& name);
// Only for a marked edit: writes a non-empty text unchanged, deletes the value for "".
void WriteEditOrDeleteIfChanged(TRegistry& registry, const TEdit& edit, const std::string& name);
