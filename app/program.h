#pragma once
// The program from start to end: the access check, the main window, the password window
// when a password is stored, and the event loop. The command line is not looked at.
#include "i18n/message_texts.h"
#include "platform/application.h"

class TForm1;
class TPasswordForm;

class Program {
public:
    explicit Program(const Platform& platform);

    // The start sequence and the event loop; returns the exit code, 0 also after an error
    // that ended the start.
    int Run();

    TApplication& Application() { return application_; }
    TForm1* Form1() const { return form1_; }
    // Null unless a password was stored at start.
    TPasswordForm* PasswordForm() const { return passwordForm_; }

private:
    // The message texts outlive every window.
    MessageTexts texts_;
    TApplication application_;
    TForm1* form1_ = nullptr;
    TPasswordForm* passwordForm_ = nullptr;
};

int RunProgram(const Platform& platform);
