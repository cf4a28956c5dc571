#pragma once
// What a window layout description hands to a component: property values and the names of
// the handlers its events are bound to.
#include "platform/types.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// One name that a property of an enumerated kind takes, with its value.
template <class E> struct NamedValue {
    const char* name;
    E value;
};

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

    // An identifier among `names`; raises, naming `what`, for any other.
    template <class E>
    E AsEnum(std::initializer_list<NamedValue<E>> names, const char* what) const {
        for (const auto& n : names)
            if (AsIdentifier() == n.name)
                return n.value;
        UnknownName(what, text);
    }
    // A set of identifiers among `names`, their values or-ed together.
    unsigned AsFlags(std::initializer_list<NamedValue<unsigned>> names, const char* what) const;

private:
    [[noreturn]] static void UnknownName(const char* what, const std::string& name);
};

// Resolves handler names of the layout ("CheckBoxClick") to the form's handlers. A form
// overrides the kinds of event it handles; every name it does not resolve raises.
class EventHandlers {
public:
    // `window` names the form in the error, as in "The main window has no handler X".
    explicit EventHandlers(std::string window = "window") : window_(std::move(window)) {}
    virtual ~EventHandlers() = default;
    virtual TNotifyEvent Notify(const std::string& name) const { NoHandler(name); }
    virtual TKeyPressEvent KeyPress(const std::string& name) const { NoHandler(name); }
    virtual TCloseEvent Close(const std::string& name) const { NoHandler(name); }
    virtual TDrawItemEvent DrawItem(const std::string& name) const { NoHandler(name); }

protected:
    [[noreturn]] void NoHandler(const std::string& name) const;

private:
    std::string window_;
};
