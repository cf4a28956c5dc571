#include "tests/support/main_window_fixture.h"

#include "platform/edit.h"
#include "platform/page_control.h"

void MainWindowTest::OpenWindow() {
    app = std::make_unique<TApplication>(platform.Services());
    app->SetTitle("Sorvanto");
    form = app->CreateForm<TForm1>(texts);
    // As the start of the event loop does when no password is needed.
    form->Show();
}

void MainWindowTest::ShowTabOf(TControl& control) {
    for (TControl* c = &control; c; c = c->Parent())
        if (auto* sheet = dynamic_cast<TTabSheet*>(c); sheet && sheet->PageControl())
            sheet->PageControl()->UserSelectTab(sheet->PageIndex());
}

void MainWindowTest::Click(std::string_view name) {
    auto& control = Get<TControl>(name);
    ShowTabOf(control);
    control.UserClick();
}

void MainWindowTest::Type(std::string_view editName, const std::string& keys) {
    auto& edit = Get<TEdit>(editName);
    ShowTabOf(edit);
    edit.SetFocus();
    edit.UserType(keys);
}
