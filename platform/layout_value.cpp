#include "platform/layout_value.h"

#include "platform/exceptions.h"

#include <algorithm>

namespace {

[[noreturn]] void WrongKind(const char* wanted) {
    throw EInvalidOperation(std::string("Layout value is not ") + wanted);
}

} // namespace

int LayoutValue::AsInt() const {
    if (kind != Kind::Number)
        WrongKind("a number");
    return static_cast<int>(number);
}

const std::string& LayoutValue::AsString() const {
    if (kind != Kind::String)
        WrongKind("a string");
    return text;
}

const std::string& LayoutValue::AsIdentifier() const {
    if (kind != Kind::Identifier)
        WrongKind("an identifier");
    return text;
}

bool LayoutValue::AsBool() const {
    if (kind == Kind::Identifier && text == "True")
        return true;
    if (kind == Kind::Identifier && text == "False")
        return false;
    WrongKind("True or False");
}

const std::vector<std::string>& LayoutValue::AsSet() const {
    if (kind != Kind::Set)
        WrongKind("a set");
    return items;
}

const std::vector<std::string>& LayoutValue::AsStringList() const {
    if (kind != Kind::StringList)
        WrongKind("a list");
    return items;
}

TColor LayoutValue::AsColor() const {
    if (kind == Kind::Number)
        return static_cast<TColor>(number);
    static const struct {
        const char* name;
        TColor color;
    } named[] = {{"clBlack", clBlack},
                 {"clBlue", clBlue},
                 {"clRed", clRed},
                 {"clWhite", clWhite},
                 {"clWindow", clWindow},
                 {"clWindowText", clWindowText},
                 {"clHighlight", clHighlight},
                 {"clHighlightText", clHighlightText},
                 {"clBtnFace", clBtnFace}};
    for (const auto& n : named)
        if (AsIdentifier() == n.name)
            return n.color;
    throw EInvalidOperation("Unknown colour " + text);
}

unsigned LayoutValue::AsFlags(std::initializer_list<NamedValue<unsigned>> names,
                              const char* what) const {
    unsigned flags = 0;
    for (const auto& item : AsSet()) {
        auto it = std::find_if(names.begin(), names.end(),
                               [&](const NamedValue<unsigned>& n) { return item == n.name; });
        if (it == names.end())
            UnknownName(what, item);
        flags |= it->value;
    }
    return flags;
}

void LayoutValue::UnknownName(const char* what, const std::string& name) {
    throw EInvalidOperation(std::string("Unknown ") + what + " " + name);
}

void EventHandlers::NoHandler(const std::string& name) const {
    throw EInvalidOperation("The " + window_ + " has no handler " + name);
}
