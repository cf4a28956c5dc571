#include "settings/text_flag_steps.h"

#include "platform/check_box.h"
#include "platform/registry.h"
#include "settings/change_tracker.h"

void ReadTextFlag(TRegistry& registry, TCheckBox& box, const std::string& onText,
                  const std::string& name) {
    box.SetChecked(registry.GetDataType(name) == TRegDataType::rdString &&
                   registry.ReadString(name) == onText);
}

void WriteTextIfChanged(TRegistry& registry, const TCheckBox& box, const std::string& text,
                        const std::string& name) {
    if (ChangeTracker::IsMarked(box))
        registry.WriteString(name, text);
}
