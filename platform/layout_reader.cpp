#include "platform/layout_reader.h"

#include "platform/bevel.h"
#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/edit.h"
#include "platform/exceptions.h"
#include "platform/form.h"
#include "platform/image_list.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/page_control.h"
#include "platform/panel.h"
#include "platform/speed_button.h"
#include "platform/text_codec.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace {

struct Place {
    std::string file;
    int line = 0;
    std::string Text() const { return file + ":" + std::to_string(line); }
};

[[noreturn]] void Fail(const Place& where, const std::string& what) {
    throw EInvalidOperation("Layout " + where.Text() + ": " + what);
}

// One description file as lines, with a cursor that values spanning lines can advance.
struct Source {
    std::string file;
    std::vector<std::string> lines;
    std::size_t next = 0;

    Source(std::string name, std::string_view text) : file(std::move(name)) {
        std::string line;
        for (char c : text) {
            if (c == '\n') {
                lines.push_back(line);
                line.clear();
            } else if (c != '\r') {
                line.push_back(c);
            }
        }
        if (!line.empty())
            lines.push_back(line);
    }
    // The place of the line that is read next.
    Place Here() const { return {file, static_cast<int>(next) + 1}; }
};

class Cursor {
public:
    Cursor(std::string_view text, Place where) : text_(text), where_(std::move(where)) {}

    void SkipSpaces() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }
    bool AtEnd() {
        SkipSpaces();
        return pos_ >= text_.size() || text_[pos_] == '#';
    }
    char Peek() {
        SkipSpaces();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    bool Accept(char c) {
        if (Peek() != c)
            return false;
        ++pos_;
        return true;
    }
    void Expect(char c) {
        if (!Accept(c))
            Fail(where_, std::string("expected '") + c + "'");
    }
    std::string Identifier() {
        SkipSpaces();
        std::size_t start = pos_;
        while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) ||
                                       text_[pos_] == '_' || text_[pos_] == '.'))
            ++pos_;
        if (start == pos_)
            Fail(where_, "expected a name");
        return std::string(text_.substr(start, pos_ - start));
    }
    long Number() {
        SkipSpaces();
        std::size_t start = pos_;
        if (pos_ < text_.size() && text_[pos_] == '-')
            ++pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
        std::string digits(text_.substr(start, pos_ - start));
        if (digits.empty() || digits == "-")
            Fail(where_, "expected a number");
        // 32 bits whatever a long has, so that both builds read a layout alike.
        long long number = 0;
        auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error != std::errc() || number < INT32_MIN || number > INT32_MAX)
            Fail(where_, "number out of range " + digits);
        return static_cast<long>(number);
    }
    // A quoted UTF-8 string, "" standing for one quote mark.
    std::string String() {
        Expect('"');
        std::string utf8;
        for (;;) {
            if (pos_ >= text_.size())
                Fail(where_, "unterminated string");
            char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    utf8.push_back('"');
                    ++pos_;
                    continue;
                }
                return Utf8ToCp1250(utf8);
            }
            utf8.push_back(c);
        }
    }
    const Place& Where() const { return where_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    Place where_;
};

bool IsNumberStart(char c) {
    return c == '-' || std::isdigit(static_cast<unsigned char>(c));
}

// Moves the cursor to the start of the next line of `source`, for values that go on.
void NextLine(Cursor& cursor, Source& source) {
    if (source.next >= source.lines.size())
        Fail(cursor.Where(), "the value goes on past the end of the file");
    cursor = Cursor(source.lines[source.next], source.Here());
    ++source.next;
}

// A value after "=", reading further lines of `source` for continued strings and lists.
LayoutValue ReadValue(Cursor& cursor, Source& source) {
    LayoutValue value;
    char c = cursor.Peek();
    if (c == '"') {
        value.kind = LayoutValue::Kind::String;
        value.text = cursor.String();
        while (cursor.Accept('+')) {
            if (cursor.AtEnd())
                NextLine(cursor, source);
            value.text += cursor.String();
        }
    } else if (c == '[') {
        cursor.Expect('[');
        value.kind = LayoutValue::Kind::Set;
        if (!cursor.Accept(']')) {
            do
                value.items.push_back(cursor.Identifier());
            while (cursor.Accept(','));
            cursor.Expect(']');
        }
    } else if (c == '(') {
        cursor.Expect('(');
        value.kind = LayoutValue::Kind::StringList;
        while (!cursor.Accept(')')) {
            if (cursor.AtEnd()) {
                NextLine(cursor, source);
                continue;
            }
            char first = cursor.Peek();
            if (first == '"')
                value.items.push_back(cursor.String());
            else if (IsNumberStart(first))
                value.items.push_back(std::to_string(cursor.Number()));
            else
                value.items.push_back(cursor.Identifier());
        }
    } else if (IsNumberStart(c)) {
        value.kind = LayoutValue::Kind::Number;
        value.number = cursor.Number();
    } else {
        value.kind = LayoutValue::Kind::Identifier;
        value.text = cursor.Identifier();
    }
    if (!cursor.AtEnd())
        Fail(cursor.Where(), "unexpected text after the value");
    return value;
}

using Factory = std::function<TComponent*(TComponent* owner)>;

const std::map<std::string, Factory>& Factories() {
    static const std::map<std::string, Factory> factories = {
        {"TBevel", [](TComponent* o) { return new TBevel(o); }},
        {"TButton", [](TComponent* o) { return new TButton(o); }},
        {"TCheckBox", [](TComponent* o) { return new TCheckBox(o); }},
        {"TComboBox", [](TComponent* o) { return new TComboBox(o); }},
        {"TEdit", [](TComponent* o) { return new TEdit(o); }},
        {"TGroupBox", [](TComponent* o) { return new TGroupBox(o); }},
        {"TImage", [](TComponent* o) { return new TImage(o); }},
        {"TImageList", [](TComponent* o) { return new TImageList(o); }},
        {"TLabel", [](TComponent* o) { return new TLabel(o); }},
        {"TListBox", [](TComponent* o) { return new TListBox(o); }},
        {"TPageControl", [](TComponent* o) { return new TPageControl(o); }},
        {"TPanel", [](TComponent* o) { return new TPanel(o); }},
        {"TSpeedButton", [](TComponent* o) { return new TSpeedButton(o); }},
        {"TTabSheet", [](TComponent* o) { return new TTabSheet(o); }},
    };
    return factories;
}

// References to other components wait until everything exists.
bool IsReference(const std::string& property) {
    return property == "ActivePage" || property == "ActiveControl";
}

class Loader {
public:
    Loader(TForm& form, const LayoutSources& sources, const EventHandlers& handlers)
        : form_(form), sources_(sources), handlers_(handlers) {}

    void Load(std::string_view fileName) {
        ReadFile(fileName);
        if (!stack_.empty())
            Fail(lastPlace_, "missing 'end'");
        for (auto& [component, name, value, where] : deferred_)
            Apply(*component, name, value, where);
    }

private:
    struct Deferred {
        TComponent* component;
        std::string name;
        LayoutValue value;
        Place where;
    };

    void ReadFile(std::string_view fileName) {
        Source source(std::string(fileName), sources_(fileName));
        while (source.next < source.lines.size()) {
            Cursor cursor(source.lines[source.next], source.Here());
            ++source.next;
            lastPlace_ = cursor.Where();
            if (cursor.AtEnd())
                continue;
            std::string word = cursor.Identifier();
            if (word == "object")
                BeginObject(cursor);
            else if (word == "end")
                EndObject(cursor);
            else if (word == "include") {
                std::string included = cursor.String();
                ReadFile(included);
            } else
                Property(word, cursor, source);
        }
    }

    void BeginObject(Cursor& cursor) {
        std::string name = cursor.Identifier();
        cursor.Expect(':');
        std::string className = cursor.Identifier();
        TComponent* component = &form_;
        if (stack_.empty()) {
            if (created_)
                Fail(cursor.Where(), "a second root object");
        } else {
            auto it = Factories().find(className);
            if (it == Factories().end())
                Fail(cursor.Where(), "unknown class " + className);
            component = it->second(&form_);
            if (auto* control = dynamic_cast<TControl*>(component)) {
                auto* parent = dynamic_cast<TWinControl*>(stack_.back());
                if (!parent)
                    Fail(cursor.Where(), name + " is placed on something that holds no controls");
                control->SetParent(parent);
            }
        }
        if (component != &form_ && form_.FindComponent(name))
            Fail(cursor.Where(), "a second component named " + name);
        component->SetName(name);
        created_ = true;
        stack_.push_back(component);
    }

    void EndObject(Cursor& cursor) {
        if (stack_.empty())
            Fail(cursor.Where(), "'end' without 'object'");
        stack_.pop_back();
    }

    void Property(const std::string& name, Cursor& cursor, Source& source) {
        if (stack_.empty())
            Fail(cursor.Where(), "property outside an object");
        cursor.Expect('=');
        Place where = cursor.Where();
        LayoutValue value = ReadValue(cursor, source);
        if (IsReference(name))
            deferred_.push_back({stack_.back(), name, std::move(value), where});
        else
            Apply(*stack_.back(), name, value, where);
    }

    void Apply(TComponent& component, const std::string& name, const LayoutValue& value,
               const Place& where) {
        bool known = false;
        try {
            if (name.starts_with("On") && value.kind == LayoutValue::Kind::Identifier)
                known = component.BindEvent(name, value.text, handlers_);
            else
                known = component.SetProperty(name, value);
        } catch (const std::exception& e) {
            Fail(where, e.what());
        }
        if (!known)
            Fail(where, std::string(component.ClassName()) + " has no " + name);
    }

    TForm& form_;
    const LayoutSources& sources_;
    const EventHandlers& handlers_;
    std::vector<TComponent*> stack_;
    std::vector<Deferred> deferred_;
    bool created_ = false;
    Place lastPlace_;
};

} // namespace

void LoadLayout(TForm& form, std::string_view fileName, const LayoutSources& sources,
                const EventHandlers& handlers) {
    Loader(form, sources, handlers).Load(fileName);
}
