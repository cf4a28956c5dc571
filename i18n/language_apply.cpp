#include "i18n/language_file.h"

#include "i18n/message_texts.h"
#include "platform/control.h"
#include "platform/exceptions.h"
#include "platform/list_box.h"

#include <cstddef>

namespace {

// The classes whose caption a file may set; a panel's too, although the export writes none.
bool TakesCaption(const TComponent& component) {
    for (const char* name :
         {"TLabel", "TSpeedButton", "TCheckBox", "TGroupBox", "TTabSheet", "TPanel"})
        if (component.ClassNameIs(name))
            return true;
    return false;
}

bool IsKeyLine(const std::string& line) {
    return line.find('=') != std::string::npos;
}

// The lines of a file with a reading position. Item and Strings lines are taken whatever
// they hold, and a file that ends among them is an error.
class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

    bool AtEnd() const { return next_ >= lines_.size(); }
    const std::string& Peek() const { return lines_[next_]; }
    const std::string& Take() {
        if (AtEnd())
            throw EStringListError("List index out of bounds (" + std::to_string(next_) + ")");
        return lines_[next_++];
    }

private:
    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
};

// The name a header line gives: the line without its first and last characters, brackets
// or not.
std::string SectionName(const std::string& header) {
    return header.size() > 2 ? header.substr(1, header.size() - 2) : std::string();
}

// The key lines of a found component's section. Keys are compared exactly.
void ApplyKeyLines(TComponent& component, LineReader& reader) {
    auto* control = dynamic_cast<TControl*>(&component);
    while (!reader.AtEnd() && IsKeyLine(reader.Peek())) {
        const std::string& line = reader.Take();
        std::size_t equals = line.find('=');
        std::string key = line.substr(0, equals);
        std::string value = line.substr(equals + 1);
        if (!control)
            continue;
        if (key == "Hint")
            control->SetHint(value);
        else if (key == "Caption" && TakesCaption(*control))
            control->SetCaption(value);
    }
}

} // namespace

void ApplyLanguageFile(TComponent& form, MessageTexts& texts,
                       const std::vector<std::string>& lines) {
    auto* iconList = dynamic_cast<TListBox*>(form.FindComponent(IconListName));
    LineReader reader(lines);
    while (!reader.AtEnd()) {
        const std::string& line = reader.Take();
        if (IsKeyLine(line))
            continue;
        std::string name = SectionName(line);
        if (TComponent* component = form.FindComponent(name)) {
            ApplyKeyLines(*component, reader);
            if (component == iconList)
                for (int item = 0; item < iconList->Count(); ++item)
                    iconList->SetItem(item, reader.Take());
        } else if (name == "Strings") {
            for (int i = 1; i <= MessageTexts::Count; ++i)
                texts.Set(static_cast<MessageText>(i), reader.Take());
        }
    }
}
