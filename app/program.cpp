#include "app/program.h"

#include "app/password_form.h"
#include "app/stored_password.h"
#include "mainwindow/form1.h"

Program::Program(const Platform& platform) : application_(platform) {}

int Program::Run() {
    try {
        bool passwordNeeded = ReadStoredPassword(application_.Services().registry).has_value();
        application_.SetTitle("Sorvanto");
        // The main window is the first form, so closing it ends the program. It is built and
        // filled by its first Read even while it waits for the password.
        form1_ = application_.CreateForm<TForm1>(texts_);
        if (passwordNeeded)
            passwordForm_ = application_.CreateForm<TPasswordForm>(*form1_);
        application_.SetShowMainForm(!passwordNeeded);
        application_.Run();
    } catch (const std::exception& e) {
        application_.ShowException(e);
    }
    return 0;
}

int RunProgram(const Platform& platform) {
    return Program(platform).Run();
}
