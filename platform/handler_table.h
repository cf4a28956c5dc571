#pragma once
// The handlers of a window whose events several parts handle. Each part declares the
// handler names it answers, bound to its own methods, in a table of its own; the window
// joins the tables once, before it loads its layout. A name that no part declares stays an
// error at load, and a name that two parts declare is one as well.
#include "platform/exceptions.h"
#include "platform/layout_value.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

template <class Part> struct HandlerTable {
    template <class Method> using Named = std::vector<std::pair<const char*, Method>>;
    Named<void (Part::*)(TObject*)> notify{};
    Named<void (Part::*)(TObject*, char&)> keyPress{};
    Named<void (Part::*)(TObject*, TCloseAction&)> close{};
    Named<void (Part::*)(TWinControl*, int, const TRect&, TOwnerDrawState)> drawItem{};
};

class JoinedHandlers : public EventHandlers {
public:
    using EventHandlers::EventHandlers;

    // A part the window holds by value.
    template <class Part> void Join(const HandlerTable<Part>& table, Part& part) {
        JoinFound(table, [&part]() -> Part& { return part; });
    }
    // A part the window creates after its layout is loaded: it is found when the event
    // comes, so the table can be joined before the part exists.
    template <class Part>
    void Join(const HandlerTable<Part>& table, const std::unique_ptr<Part>& part) {
        JoinFound(table, [&part]() -> Part& { return *part; });
    }

    TNotifyEvent Notify(const std::string& name) const override { return Find(notify_, name); }
    TKeyPressEvent KeyPress(const std::string& name) const override {
        return Find(keyPress_, name);
    }
    TCloseEvent Close(const std::string& name) const override { return Find(close_, name); }
    TDrawItemEvent DrawItem(const std::string& name) const override {
        return Find(drawItem_, name);
    }

private:
    // The methods are copied into the lambdas by name: clang before 16 (the fuzz build's)
    // cannot capture a structured binding.
    template <class Part, class FindPart>
    void JoinFound(const HandlerTable<Part>& table, FindPart part) {
        for (auto [name, method] : table.notify)
            Add(notify_, name, TNotifyEvent([=, m = method](TObject* s) { (part().*m)(s); }));
        for (auto [name, method] : table.keyPress)
            Add(keyPress_, name,
                TKeyPressEvent([=, m = method](TObject* s, char& key) { (part().*m)(s, key); }));
        for (auto [name, method] : table.close)
            Add(close_, name,
                TCloseEvent([=, m = method](TObject* s, TCloseAction& a) { (part().*m)(s, a); }));
        for (auto [name, method] : table.drawItem)
            Add(drawItem_, name,
                TDrawItemEvent([=, m = method](TWinControl* c, int i, const TRect& r,
                                               TOwnerDrawState st) { (part().*m)(c, i, r, st); }));
    }

    template <class Event>
    static void Add(std::map<std::string, Event>& events, const std::string& name, Event event) {
        if (!events.emplace(name, std::move(event)).second)
            throw EInvalidOperation("The handler " + name + " is declared twice");
    }

    template <class Event>
    Event Find(const std::map<std::string, Event>& events, const std::string& name) const {
        auto found = events.find(name);
        if (found == events.end())
            NoHandler(name);
        return found->second;
    }

    std::map<std::string, TNotifyEvent> notify_;
    std::map<std::string, TKeyPressEvent> keyPress_;
    std::map<std::string, TCloseEvent> close_;
    std::map<std::string, TDrawItemEvent> drawItem_;
};
