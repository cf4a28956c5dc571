#include "platform/speed_button.h"

#include <gtest/gtest.h>

#include <string>

TEST(AcceleratorTest, LetterAfterTheFirstSingleAmpersandLowerCased) {
    struct Case {
        std::string caption;
        char letter;
    } cases[] = {
        {"Z&amknij", 'a'},
        {"&Zastosuj", 'z'},
        {"&&Zapisz", 0}, // a plain ampersand
        {"A&&B &Czytaj", 'c'},
        {"&&&Dalej", 'd'},
        {"Koniec&", 0}, // nothing follows
        {"Bez litery", 0},
        {"", 0},
        {"&\xA3\xB9"
         "cza",
         '\xB3'}, // "&Łącza": Ł lower-cased in Windows-1250
        {"P&omoc &Inne", 'o'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AcceleratorOf(c.caption), c.letter) << c.caption;
}
