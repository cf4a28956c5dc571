#include "platform/application.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/panel.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

TEST(ErrorBoxTextTest, FullStopOnlyAfterCharactersBeyondIt) {
    struct Case {
        std::string message, shown;
    } cases[] = {
        {"x", "x."},
        {"x.", "x."},
        {"x!", "x!"}, // '!' comes before '.'
        {"x)", "x)"},
        {"x-", "x-"},   // the code right before '.'
        {"x/", "x/."},  // and right after it
        {"'a'", "'a'"}, // a quote comes before '.'
        {"Cannot open file C:\\a.svl", "Cannot open file C:\\a.svl."},
        {"b\xEA", "b\xEA."}, // "ę": a byte above 127 is no negative char here
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

TEST(GetLongHintTest, TextAfterTheFirstBar) {
    EXPECT_EQ(GetLongHint("short|long"), "long");
    EXPECT_EQ(GetLongHint("a|b|c"), "b|c");
    EXPECT_EQ(GetLongHint("|"), "");
    EXPECT_EQ(GetLongHint("no bar"), "no bar");
    EXPECT_EQ(GetLongHint(""), "");
}

class ApplicationTest : public ::testing::Test {
protected:
    FakePlatform platform;
    TApplication app{platform.Services()};
};

TEST_F(ApplicationTest, ErrorBoxIsCaptionedWithTheTitle) {
    app.SetTitle("Sorvanto");
    app.HandleException(std::runtime_error("'abc' is not a valid integer value"));
    app.ShowException(std::runtime_error("Nie mo\xBFna"));
    ASSERT_EQ(platform.messageBoxes.shown.size(), 2u);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, "'abc' is not a valid integer value.");
    EXPECT_EQ(platform.messageBoxes.shown[1].text, "Nie mo\xBFna.");
    for (const auto& box : platform.messageBoxes.shown) {
        EXPECT_EQ(box.caption, "Sorvanto");
        EXPECT_EQ(box.flags, 0x10u);
    }
}

// The form's hint, a panel that has one with a label that has none inside, and a panel
// without a hint whose label has its own.
class HintTest : public ApplicationTest {
protected:
    void SetUp() override {
        form->SetHint("form");
        for (auto* c : {&hinted, &plain})
            c->SetParent(form);
        hinted.SetHint("panel");
        inHinted.SetParent(&hinted);
        ownHint.SetParent(&plain);
        ownHint.SetHint("label");
        emptyInPlain.SetParent(&plain);
        app.OnHint = [&](TObject*) { hints.push_back(app.Hint()); };
    }

    TForm* form = app.CreateForm<TForm>();
    TPanel hinted{nullptr}, plain{nullptr};
    TLabel inHinted{nullptr}, ownHint{nullptr}, emptyInPlain{nullptr};
    std::vector<std::string> hints;
};

TEST_F(HintTest, HintComesFromTheControlOrItsNearestEnclosingOne) {
    struct Case {
        TControl* under;
        std::string hint;
    } cases[] = {
        {&inHinted, "panel"}, {&ownHint, "label"}, {&emptyInPlain, "form"},
        {&plain, "form"},     {&hinted, "panel"},  {nullptr, ""},
    };
    for (const auto& c : cases) {
        app.HintFromControl(c.under);
        EXPECT_EQ(app.Hint(), c.hint);
    }
    EXPECT_EQ(hints, (std::vector<std::string>{"panel", "label", "form", "panel", ""}));
}

TEST_F(HintTest, ControlsWithoutAnyHintClearIt) {
    form->SetHint("");
    app.HintFromControl(&ownHint);
    app.HintFromControl(&emptyInPlain);
    app.HintFromControl(&emptyInPlain);
    app.HintFromControl(nullptr);
    EXPECT_EQ(hints, (std::vector<std::string>{"label", ""}));
}

TEST_F(ApplicationTest, RunShowsTheMainFormUnlessToldNot) {
    struct Case {
        bool showMainForm;
        bool terminateFirst;
        bool shown, looped;
    } cases[] = {
        {true, false, true, true},
        {false, false, false, true},
        {true, true, true, false},
    };
    for (const auto& c : cases) {
        FakePlatform services;
        TApplication application(services.Services());
        TForm* first = application.CreateForm<TForm>();
        TForm* second = application.CreateForm<TForm>();
        EXPECT_EQ(application.MainForm(), first);
        application.SetShowMainForm(c.showMainForm);
        if (c.terminateFirst)
            application.Terminate();
        bool looped = false;
        services.windows.whileRunning = [&](TApplication& running) {
            EXPECT_EQ(&running, &application);
            looped = true;
        };
        application.Run();
        EXPECT_EQ(first->Visible(), c.shown);
        EXPECT_FALSE(second->Visible());
        EXPECT_EQ(looped, c.looped);
    }
}

TEST_F(ApplicationTest, FormsGoNewestFirstAndAFailingOnDestroyIsReported) {
    std::vector<std::string> log;
    TForm* first = app.CreateForm<TForm>();
    TForm* second = app.CreateForm<TForm>();
    first->OnDestroy = [&](TObject*) { log.push_back("first"); };
    second->OnDestroy = [&](TObject*) {
        log.push_back("second");
        throw std::runtime_error("Cannot create file x.svl");
    };
    app.DestroyForms();
    EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
    EXPECT_EQ(app.MainForm(), nullptr);
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, "Cannot create file x.svl.");
}
