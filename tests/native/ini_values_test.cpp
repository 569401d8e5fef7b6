#include "base/ini_values.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using namespace std::string_literals;

// Chosen so that no case reads it by accident.
constexpr int kDefault = 777;

struct IntCase {
    std::string text;
    int value;
};

TEST(IniTextToInt, Decimal) {
    const IntCase cases[] = {
        {"0", 0},
        {"32", 32},
        {" 12", 12},
        {"\t7", 7},
        {"   -5", -5},
        {"-5", -5},
        {"+7", 7},
        {"-0", 0},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"0000000000002147483647", INT_MAX},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(IniTextToInt(c.text, kDefault), c.value) << c.text;
}

TEST(IniTextToInt, Hexadecimal) {
    const IntCase cases[] = {
        {"0x20", 32},
        {"0x1", 1},
        {"0X1f", 31},
        {"0xAbC", 0xABC},
        {"$10", 16},
        {"$0", 0},
        {" $10", 16},
        {"-$10", -16},
        {"+$10", 16},
        {"0x7FFFFFFF", INT_MAX},
        {"$80000000", INT_MIN},
        {"$FFFFFFFF", -1},
        {"0xffffffff", -1},
        {"$00000000FF", 255},
        {"-$FFFFFFFF", 1},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(IniTextToInt(c.text, kDefault), c.value) << c.text;
}

TEST(IniTextToInt, NotANumberGivesDefault) {
    const std::string cases[] = {
        "",
        " ",
        "abc",
        "12 ",
        "12abc",
        "1 2",
        "1.0",
        "1e3",
        "+",
        "-",
        "- 5",
        "--5",
        "$",
        "-$",
        "$g",
        "$-1",
        "0x",
        "0X",
        "0x ",
        "0x-1",
        "0x10 ",
        // Only "0x" at the very start becomes "$".
        " 0x10",
        "-0x10",
        "00x10",
        "x10",
        // Full-width digits and a NUL are no digits.
        "\x82\x4F",
        "1\0"s,
        // Out of range.
        "2147483648",
        "-2147483649",
        "99999999999999999999",
        "$100000000",
        "0x1FFFFFFFF",
    };
    for (const std::string& text : cases) {
        EXPECT_EQ(IniTextToInt(text, kDefault), kDefault) << text;
        EXPECT_EQ(IniTextToInt(text, -1), -1) << text;
    }
}

struct BoolCase {
    std::string text;
    bool defaultValue;
    bool value;
};

TEST(IniTextToBool, NonZeroIsTrue) {
    const BoolCase cases[] = {
        {"1", false, true},   {"2", false, true},    {"0x1", false, true},
        {"-1", false, true},  {"0", true, false},    {"$0", true, false},
        {"0x0", true, false}, {"yes", false, false}, {"yes", true, true},
        {"", false, false},   {"", true, true},      {"true", false, false},
        {"1 ", false, false}, {"1 ", true, true},    {"$FFFFFFFF", false, true},
    };
    for (const BoolCase& c : cases)
        EXPECT_EQ(IniTextToBool(c.text, c.defaultValue), c.value)
            << c.text << " default " << c.defaultValue;
}

TEST(IniValuesToText, WrittenTextReadsBack) {
    const IntCase cases[] = {
        {"0", 0}, {"32", 32}, {"-5", -5}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
    };
    for (const IntCase& c : cases) {
        EXPECT_EQ(IniIntToText(c.value), c.text);
        EXPECT_EQ(IniTextToInt(IniIntToText(c.value), kDefault), c.value) << c.text;
    }
    EXPECT_EQ(IniBoolToText(true), "1");
    EXPECT_EQ(IniBoolToText(false), "0");
    for (bool value : {false, true})
        EXPECT_EQ(IniTextToBool(IniBoolToText(value), !value), value);
}

} // namespace
