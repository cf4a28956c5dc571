#pragma once
// A main window on fake services, created as the program creates it, with the user's
// actions that most tests need.
#include "i18n/message_texts.h"
#include "mainwindow/form1.h"
#include "platform/application.h"
#include "platform/control.h"
#include "platform/text_codec.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

// Windows-1250 bytes of a UTF-8 literal, for comparing with the program's texts.
inline std::string Cp1250(std::string_view utf8) {
    return Utf8ToCp1250(utf8);
}

class MainWindowTest : public ::testing::Test {
protected:
    // Creates and shows the window: FormCreate and its first Read run against the fake
    // services as they are set up at that moment.
    void OpenWindow();

    template <class T> T& Get(std::string_view name) const { return FindAs<T>(*form, name); }
    // Brings the tab that holds `control` to the front, as a user must before using it.
    void ShowTabOf(TControl& control);
    // The user clicks a control (on its tab).
    void Click(std::string_view name);
    // The user types into an edit (on its tab): each character as a key press; "\b" is
    // Backspace.
    void Type(std::string_view editName, const std::string& keys);

    FakePlatform platform;
    MessageTexts texts;
    std::unique_ptr<TApplication> app;
    TForm1* form = nullptr;
};
