#pragma once
// What a window layout description hands to a component: property values and the names of
// the handlers its events are bound to.
#include "platform/types.h"

#include <string>
#include <vector>

struct LayoutValue {
    enum class Kind { Number, String, Identifier, Set, StringList };
    Kind kind = Kind::Number;
    long number = 0;
    std::string text;               // a string (Windows-1250) or an identifier
    std::vector<std::string> items; // a set's identifiers or a string list

    int AsInt() const;
    const std::string& AsString() const;
    const std::string& AsIdentifier() const;
    bool AsBool() const;
    const std::vector<std::string>& AsSet() const;
    const std::vector<std::string>& AsStringList() const;
    TColor AsColor() const; // a number or one of the cl... names
};

// Resolves handler names of the layout ("CheckBoxClick") to the form's handlers; each
// throws for a name the form does not have.
class EventHandlers {
public:
    virtual ~EventHandlers() = default;
    virtual TNotifyEvent Notify(const std::string& name) const = 0;
    virtual TKeyPressEvent KeyPress(const std::string& name) const = 0;
    virtual TCloseEvent Close(const std::string& name) const = 0;
    virtual TDrawItemEvent DrawItem(const std::string& name) const = 0;
};
