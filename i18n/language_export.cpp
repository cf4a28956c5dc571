#include "i18n/language_file.h"

#include "i18n/message_texts.h"
#include "platform/control.h"
#include "platform/list_box.h"

namespace {

// The classes whose caption the export writes; a panel's hint only.
bool ExportsCaption(const TComponent& component) {
    for (const char* name : {"TLabel", "TSpeedButton", "TCheckBox", "TGroupBox", "TTabSheet"})
        if (component.ClassNameIs(name))
            return true;
    return false;
}

void AddSection(std::vector<std::string>& lines, const TControl& control, bool withCaption) {
    lines.push_back("[" + control.Name() + "]");
    if (withCaption)
        lines.push_back("Caption=" + control.Caption());
    lines.push_back("Hint=" + control.Hint());
}

} // namespace

std::vector<std::string> ExportLanguageFile(const TComponent& form, const MessageTexts& texts) {
    std::vector<std::string> lines;
    for (const TComponent* component : form.Components()) {
        const auto* control = dynamic_cast<const TControl*>(component);
        if (!control)
            continue;
        if (ExportsCaption(*control)) {
            AddSection(lines, *control, true);
        } else if (control->ClassNameIs("TPanel")) {
            AddSection(lines, *control, false);
        } else if (control->ClassNameIs("TListBox") && control->Name() == IconListName) {
            AddSection(lines, *control, false);
            for (const std::string& item : static_cast<const TListBox*>(control)->Items())
                lines.push_back(item);
        }
    }
    lines.push_back("[Strings]");
    for (int i = 1; i <= MessageTexts::Count; ++i)
        lines.push_back(texts[static_cast<MessageText>(i)]);
    return lines;
}
