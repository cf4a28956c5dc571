#pragma once
// The whole program on fake services, started as the entry point starts it. The events
// that a test scripts run inside the event loop, after the start sequence has built and
// shown its windows.
#include "app/password_form.h"
#include "app/program.h"
#include "mainwindow/form1.h"
#include "platform/edit.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

class ProgramTest : public ::testing::Test {
protected:
    // Stores "Password" under the program's key, as another copy of the program would.
    void StorePassword(const RegistryValue& value);
    void StorePassword(const std::string& text) { StorePassword(RegistryValue::String(text)); }

    // Runs the program to its end; `events` play the user while the loop runs.
    int Start(const std::function<void()>& events = {});

    TForm1& MainWindow() const { return *program->Form1(); }
    TPasswordForm& PasswordWindow() const { return *program->PasswordForm(); }
    TEdit& Edit1() const { return FindAs<TEdit>(PasswordWindow(), "Edit1"); }
    bool Ended() { return program->Application().Terminated(); }

    FakePlatform platform;
    std::unique_ptr<Program> program;
    bool loopRan = false;
};
