#pragma once
// TObject and TComponent: names, tags, ownership in creation order, look-up by name.
#include "platform/exceptions.h"
#include "platform/layout_value.h"

#include <string>
#include <string_view>
#include <vector>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The exact class name, such as "TCheckBox".
    virtual std::string_view ClassName() const { return "TObject"; }
    bool ClassNameIs(std::string_view name) const { return ClassName() == name; }
};

class TComponent : public TObject {
public:
    // A component with an owner is destroyed by that owner; one without is the caller's.
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    std::string_view ClassName() const override { return "TComponent"; }

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    TComponent* Owner() const { return owner_; }
    // Owned components in creation order.
    const std::vector<TComponent*>& Components() const { return components_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // Finds an owned component by name, ignoring ASCII letter case; nothing for "".
    TComponent* FindComponent(std::string_view name) const;

    // Layout description entry points: a property by name and an event by name; false for
    // a name the class does not have.
    virtual bool SetProperty(const std::string& /*name*/, const LayoutValue& /*value*/) {
        return false;
    }
    virtual bool BindEvent(const std::string& /*event*/, const std::string& /*handler*/,
                           const EventHandlers& /*handlers*/) {
        return false;
    }

protected:
    // Destroys the owned components, the newest first.
    void DestroyComponents();

private:
    TComponent* owner_;
    std::vector<TComponent*> components_;
    std::string name_;
    int tag_ = 0;
};

// ASCII case-insensitive equality, the rule of component names.
bool SameTextAscii(std::string_view a, std::string_view b);

// The owned component of that name and class; raises when there is none.
template <class T> T& FindAs(const TComponent& owner, std::string_view name);

template <class T> T& FindAs(const TComponent& owner, std::string_view name) {
    auto* found = dynamic_cast<T*>(owner.FindComponent(name));
    if (!found)
        throw EInvalidOperation("No component " + std::string(name));
    return *found;
}
