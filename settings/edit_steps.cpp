#include "settings/edit_steps.h"

#include "platform/edit.h"
#include "platform/registry.h"
#include "settings/change_tracker.h"
#include "settings/key_opening.h"

namespace {

bool IsMarked(const TEdit& edit) {
    return edit.Parent() && ChangeTracker::IsMarked(*edit.Parent());
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// The text less its leading and trailing characters of code 32 or below.
std::string TrimmedText(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

} // namespace

void ReadEditText(TRegistry& registry, TEdit& edit, const std::string& name) {
    edit.SetText(registry.GetDataType(name) == TRegDataType::rdString ? registry.ReadString(name)
                                                                      : std::string());
}

void WriteEditIfChanged(TRegistry& registry, const TEdit& edit, const std::string& name) {
    if (IsMarked(edit))
        registry.WriteString(name, edit.Text());
}

void ReadInfoTip(TRegistry& registry, TEdit& edit, const std::string& classKey,
                 const std::string& name) {
    if (!OpenToRead(registry, classKey))
        return;
    ReadEditText(registry, edit, name);
    registry.CloseKey();
}

void WriteInfoTipIfChanged(TRegistry& registry, const TEdit& edit, const std::string& classKey,
                           const std::string& name) {
    if (!OpenToWrite(registry, classKey))
        return;
    WriteEditIfChanged(registry, edit, name);
    registry.CloseKey();
}

void WriteTrimmedEditIfChanged(TRegistry& registry, const TEdit& edit, const std::string& name) {
    if (IsMarked(edit))
        registry.WriteString(name, TrimmedText(edit.Text()));
}

void WriteEditOrDeleteIfChanged(TRegistry& registry, const TEdit& edit, const std::string& name) {
    if (!IsMarked(edit))
        return;
    if (edit.Text().empty())
        registry.DeleteValue(name);
    else
        registry.WriteString(name, edit.Text());
}
