// A window whose events two parts handle, each from a table of its own.
#include "platform/application.h"
#include "platform/check_box.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/handler_table.h"
#include "platform/layout_reader.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Clicks {
    static const HandlerTable<Clicks>& Handlers() {
        static const HandlerTable<Clicks> table{.notify = {{"BoxClick", &Clicks::BoxClick}}};
        return table;
    }
    void BoxClick(TObject*) { log.push_back("click"); }
    std::vector<std::string> log;
};

struct Keys {
    static const HandlerTable<Keys>& Handlers() {
        static const HandlerTable<Keys> table{.keyPress = {{"EditKeyPress", &Keys::EditKeyPress}}};
        return table;
    }
    void EditKeyPress(TObject*, char& key) { typed += key; }
    std::string typed;
};

// Declares the same name as Clicks.
struct OtherClicks {
    static const HandlerTable<OtherClicks>& Handlers() {
        static const HandlerTable<OtherClicks> table{
            .notify = {{"BoxClick", &OtherClicks::BoxClick}}};
        return table;
    }
    void BoxClick(TObject*) {}
};

class HandlerTableTest : public ::testing::Test {
protected:
    void Load(const std::string& layout, const EventHandlers& handlers) {
        LoadLayout(
            *form, "form.layout", [&](std::string_view) -> std::string_view { return layout; },
            handlers);
    }

    FakePlatform platform;
    TApplication app{platform.Services()};
    TForm* form = app.CreateForm<TForm>();
};

const std::string TwoParts = "object F: TForm\n"
                             "  object Box: TCheckBox\n    OnClick = BoxClick\n  end\n"
                             "  object Edit: TEdit\n    OnKeyPress = EditKeyPress\n  end\n"
                             "end\n";

TEST_F(HandlerTableTest, EachEventReachesThePartThatDeclaredIt) {
    Keys keys;
    std::unique_ptr<Clicks> clicks; // made after the layout, as a part bound to its controls
    JoinedHandlers handlers("test window");
    handlers.Join(Clicks::Handlers(), clicks);
    handlers.Join(Keys::Handlers(), keys);
    Load(TwoParts, handlers);
    clicks = std::make_unique<Clicks>();
    form->Show();

    FindAs<TCheckBox>(*form, "Box").UserClick();
    FindAs<TEdit>(*form, "Edit").UserType("ab");
    EXPECT_EQ(clicks->log, std::vector<std::string>{"click"});
    EXPECT_EQ(keys.typed, "ab");
}

TEST_F(HandlerTableTest, ANameNoPartDeclaresRaisesAtLoad) {
    Clicks clicks;
    JoinedHandlers handlers("test window");
    handlers.Join(Clicks::Handlers(), clicks);
    try {
        Load(TwoParts, handlers);
        ADD_FAILURE() << "no error";
    } catch (const EInvalidOperation& e) {
        EXPECT_NE(std::string(e.what()).find("The test window has no handler EditKeyPress"),
                  std::string::npos)
            << e.what();
    }
}

TEST_F(HandlerTableTest, ANameTwoPartsDeclareRaisesWhenJoined) {
    Clicks clicks;
    OtherClicks other;
    JoinedHandlers handlers("test window");
    handlers.Join(Clicks::Handlers(), clicks);
    EXPECT_THROW(handlers.Join(OtherClicks::Handlers(), other), EInvalidOperation);
}

} // namespace
