#include "platform/str_to_int.h"

#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(StrToInt, ReadsDecimalAndHexadecimal) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"42", 42},
        {"007", 7},
        {"+5", 5},
        {"-5", -5},
        {"-0", 0},
        {"   12", 12},
        {"  -3", -3},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"$1F", 31},
        {"$ff", 255},
        {"0x10", 16},
        {"0XaB", 171},
        {"-$10", -16},
        {"$7FFFFFFF", INT_MAX},
        {"$80000000", INT_MIN},
        {"$FFFFFFFF", -1},
        {"-$FFFFFFFF", 1},
        {"$00000000FF", 255},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StrToInt(c.text), c.expected) << c.text;
}

TEST(StrToInt, RejectsWhatIsNotAnInteger) {
    const char* cases[] = {
        "",    "   ", "+",          "-",           "--1",        "+-1",         "$",    "0x",
        "-$",  "12 ", "1 2",        "\t1",         "1a",         "$G",          "0x1g", "x10",
        "1.0", "1e3", "2147483648", "-2147483649", "$100000000", "99999999999",
    };
    for (const char* text : cases) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(IntToStr, WritesDecimal) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-17), "-17");
    EXPECT_EQ(IntToStr(INT_MIN), "-2147483648");
    EXPECT_EQ(StrToInt(IntToStr(INT_MAX)), INT_MAX);
}

} // namespace
