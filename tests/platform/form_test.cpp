#include "platform/application.h"
#include "platform/button.h"
#include "platform/edit.h"
#include "platform/form.h"
#include "platform/panel.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

class FormTest : public ::testing::Test {
protected:
    FakePlatform platform;
    TApplication app{platform.Services()};
    TForm* form = app.CreateForm<TForm>();
    std::vector<std::string> log;
};

TEST_F(FormTest, OnResizeRunsOnceCreatedAndAfterTheChildrenMoved) {
    form->SetClientSize(400, 300); // still being created
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(8, 8, 100, 21);
    edit->SetAnchors(akLeft | akTop | akRight);
    form->OnCreate = [&](TObject*) { log.push_back("create"); };
    form->OnResize = [&](TObject* sender) {
        EXPECT_EQ(sender, form);
        log.push_back("resize " + std::to_string(form->ClientWidth()) + " edit " +
                      std::to_string(edit->Width()));
    };

    form->DoCreate();
    form->SetClientSize(500, 300);
    form->SetClientSize(500, 300);
    form->SetClientSize(500, 250);
    EXPECT_EQ(log, (std::vector<std::string>{"create", "resize 400 edit 100", "resize 500 edit 200",
                                             "resize 500 edit 200"}));
    EXPECT_EQ(form->ClientHeight(), 250);
}

TEST_F(FormTest, ErrorInOnCreateGoesToTheErrorBoxAndCreationGoesOn) {
    app.SetTitle("Sorvanto");
    form->OnCreate = [&](TObject*) {
        log.push_back("create");
        throw EFOpenError("Cannot open file C:\\Windows\\lista.svl");
    };
    form->OnResize = [&](TObject*) { log.push_back("resize"); };
    EXPECT_NO_THROW(form->DoCreate());
    form->SetClientSize(300, 200);

    EXPECT_EQ(log, (std::vector<std::string>{"create", "resize", "resize"}));
    ASSERT_EQ(platform.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(platform.messageBoxes.shown[0].text, "Cannot open file C:\\Windows\\lista.svl.");
    EXPECT_EQ(platform.messageBoxes.shown[0].caption, "Sorvanto");
}

TEST_F(FormTest, OnCloseDecidesAndTheMainFormEndsTheProgram) {
    struct Case {
        bool main;
        bool hasHandler;
        TCloseAction action;
        bool hidden, terminated;
    } cases[] = {
        {true, false, TCloseAction::caHide, true, true},
        {true, true, TCloseAction::caNone, false, false},
        {true, true, TCloseAction::caFree, true, true},
        {false, false, TCloseAction::caHide, true, false},
        {false, true, TCloseAction::caNone, false, false},
    };
    for (const auto& c : cases) {
        FakePlatform services;
        TApplication application(services.Services());
        TForm* mainForm = application.CreateForm<TForm>();
        TForm* other = application.CreateForm<TForm>();
        TForm* closing = c.main ? mainForm : other;
        closing->Show();
        if (c.hasHandler)
            closing->OnClose = [&](TObject* sender, TCloseAction& action) {
                EXPECT_EQ(sender, closing);
                EXPECT_EQ(action, TCloseAction::caHide);
                action = c.action;
            };
        closing->Close();
        EXPECT_EQ(closing->Visible(), !c.hidden) << c.main << c.hasHandler;
        EXPECT_EQ(application.Terminated(), c.terminated) << c.main << c.hasHandler;
        EXPECT_EQ(services.windows.quitCount, c.terminated ? 1 : 0) << c.main << c.hasHandler;
    }
}

TEST_F(FormTest, FocusLeavesOneControlBeforeItEntersTheNext) {
    auto* first = new TEdit(form);
    auto* second = new TEdit(form);
    for (auto [edit, name] : {std::pair{first, "first"}, std::pair{second, "second"}}) {
        edit->SetParent(form);
        edit->OnEnter = [&, name](TObject*) { log.push_back(std::string("enter ") + name); };
        edit->OnExit = [&, name](TObject*) { log.push_back(std::string("exit ") + name); };
    }
    first->SetFocus();
    first->SetFocus();
    form->FocusControl(second);
    EXPECT_TRUE(second->Focused());
    EXPECT_FALSE(first->Focused());
    form->FocusControl(nullptr);
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"enter first", "exit first", "enter second",
                                             "exit second"}));
}

TEST_F(FormTest, FocusedControlThatGoesAwayIsNotLeftAgain) {
    auto* first = new TEdit(form);
    auto* second = new TEdit(form);
    first->SetParent(form);
    second->SetParent(form);
    first->SetFocus();
    delete first;
    EXPECT_EQ(form->ActiveControl(), nullptr);
    second->SetFocus();
    EXPECT_EQ(form->ActiveControl(), second);
}

TEST_F(FormTest, EnterPressesTheDefaultButton) {
    const LayoutValue yes{LayoutValue::Kind::Identifier, 0, "True", {}};
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* cancel = new TButton(form);
    cancel->SetParent(panel);
    auto* ok = new TButton(form);
    ok->SetParent(panel);
    ASSERT_TRUE(ok->SetProperty("Default", yes));
    cancel->OnClick = [&](TObject*) { log.push_back("cancel"); };
    ok->OnClick = [&](TObject*) { log.push_back("ok"); };
    EXPECT_EQ(form->DefaultButton(), ok);

    form->UserPressEnter(); // the window is not shown yet
    form->Show();
    form->UserPressEnter();
    ok->SetEnabled(false);
    form->UserPressEnter();
    EXPECT_EQ(log, (std::vector<std::string>{"ok"}));
}
