#include "platform/bevel.h"
#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/component.h"
#include "platform/edit.h"
#include "platform/image_list.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/page_control.h"
#include "platform/panel.h"
#include "platform/speed_button.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Writes its name to a shared log when it goes.
class LoggedComponent : public TComponent {
public:
    LoggedComponent(TComponent* owner, const std::string& name, std::vector<std::string>& log)
        : TComponent(owner), log_(log) {
        SetName(name);
    }
    ~LoggedComponent() override { log_.push_back(Name()); }

private:
    std::vector<std::string>& log_;
};

} // namespace

TEST(ComponentTest, OwnerKeepsCreationOrderAndDestroysNewestFirst) {
    std::vector<std::string> log;
    {
        TComponent owner(nullptr);
        auto* a = new LoggedComponent(&owner, "A", log);
        auto* b = new LoggedComponent(&owner, "B", log);
        auto* c = new LoggedComponent(&owner, "C", log);
        EXPECT_EQ(owner.Components(), (std::vector<TComponent*>{a, b, c}));
        EXPECT_EQ(b->Owner(), &owner);
        EXPECT_TRUE(log.empty());
    }
    EXPECT_EQ(log, (std::vector<std::string>{"C", "B", "A"}));
}

TEST(ComponentTest, ComponentDeletedEarlyLeavesItsOwnerAndTakesItsOwnAlong) {
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* first = new LoggedComponent(&owner, "First", log);
    auto* middle = new LoggedComponent(&owner, "Middle", log);
    new LoggedComponent(middle, "Inner", log);
    new LoggedComponent(&owner, "Last", log);

    delete middle;
    EXPECT_EQ(log, (std::vector<std::string>{"Middle", "Inner"}));
    ASSERT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.Components()[0], first);
    EXPECT_EQ(owner.FindComponent("Middle"), nullptr);
}

TEST(ComponentTest, FindComponentIgnoresAsciiCaseOnly) {
    TComponent owner(nullptr);
    auto* box = new TComponent(&owner);
    box->SetName("CheckBox1");
    auto* polish = new TComponent(&owner);
    polish->SetName("Zak\xB3"
                    "adka"); // "Zakładka" in Windows-1250
    new TComponent(&owner);  // unnamed

    struct Case {
        std::string name;
        TComponent* found;
    } cases[] = {
        {"CheckBox1", box},
        {"checkbox1", box},
        {"CHECKBOX1", box},
        {"CheckBox", nullptr},
        {"CheckBox12", nullptr},
        {"", nullptr},
        {"zak\xB3"
         "adka",
         polish},
        {"ZAK\xA3"
         "ADKA",
         nullptr}, // "Ł" is not an ASCII letter
    };
    for (const auto& c : cases)
        EXPECT_EQ(owner.FindComponent(c.name), c.found) << '"' << c.name << '"';
}

TEST(ComponentTest, FindAsWantsTheNameAndTheClass) {
    TComponent owner(nullptr);
    auto* box = new TCheckBox(&owner);
    box->SetName("Box");

    EXPECT_EQ(&FindAs<TCheckBox>(owner, "box"), box);
    EXPECT_EQ(&FindAs<TControl>(owner, "Box"), box);
    EXPECT_THROW(FindAs<TEdit>(owner, "Box"), EInvalidOperation);
    EXPECT_THROW(FindAs<TCheckBox>(owner, "Missing"), EInvalidOperation);
}

TEST(ComponentTest, ClassNamesAreExact) {
    using Make = std::function<std::unique_ptr<TComponent>()>;
    auto make = [](auto tag) -> Make {
        return [] { return std::make_unique<typename decltype(tag)::type>(nullptr); };
    };
    struct Case {
        const char* name;
        Make create;
    } cases[] = {
        {"TCheckBox", make(std::type_identity<TCheckBox>{})},
        {"TPanel", make(std::type_identity<TPanel>{})},
        {"TEdit", make(std::type_identity<TEdit>{})},
        {"TLabel", make(std::type_identity<TLabel>{})},
        {"TSpeedButton", make(std::type_identity<TSpeedButton>{})},
        {"TGroupBox", make(std::type_identity<TGroupBox>{})},
        {"TTabSheet", make(std::type_identity<TTabSheet>{})},
        {"TPageControl", make(std::type_identity<TPageControl>{})},
        {"TListBox", make(std::type_identity<TListBox>{})},
        {"TComboBox", make(std::type_identity<TComboBox>{})},
        {"TImageList", make(std::type_identity<TImageList>{})},
        {"TBevel", make(std::type_identity<TBevel>{})},
        {"TImage", make(std::type_identity<TImage>{})},
        {"TButton", make(std::type_identity<TButton>{})},
    };
    for (const auto& c : cases) {
        auto component = c.create();
        EXPECT_EQ(component->ClassName(), c.name);
        EXPECT_TRUE(component->ClassNameIs(c.name)) << c.name;
        std::string lower = c.name;
        for (char& ch : lower)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_FALSE(component->ClassNameIs(lower)) << lower;
        EXPECT_FALSE(component->ClassNameIs(std::string(c.name) + " ")) << c.name;
    }
}
