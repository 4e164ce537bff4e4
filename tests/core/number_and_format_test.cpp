// The command wire format and the text-to-number rules the record and the edit boxes use.

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "core/command_format.h"
#include "core/number_parse.h"
#include "core/parameters.h"

namespace kavel {
namespace {

TEST(CommandFormat, IsTheLetterThenTheValuePlus100WithNothingAround) {
    const struct {
        char letter;
        int value;
        const char* wire;
    } commands[] = {{'l', 62, "l162"},   {'o', 1001, "o1101"}, {'y', -105, "y-5"},
                    {'y', -100, "y0"},   {'m', INT_MAX - 99, "m2147483647"},
                    {'m', INT_MAX, "m2147483647"},  // held at the limit, no overflow
                    {'m', INT_MIN, "m-2147483548"}};
    for (const auto& c : commands) {
        const std::string wire = FormatCommand(c.letter, CommandNumber(c.value));
        EXPECT_EQ(wire, c.wire);
        EXPECT_EQ(wire.size(), std::strlen(c.wire)) << "no terminator sent";
    }
}

TEST(NumberRules, FollowThePlatformConversions) {
    const std::string digits(10000, '9');
    const struct {
        std::string text;
        int leading;  // _wtol rule
        int dialog;   // GetDlgItemInt rule
    } texts[] = {
        {"9600", 9600, 9600}, {"9600 baud", 9600, 9600}, {"abc", 0, 0}, {"", 0, 0},
        {"  \t42", 42, 42}, {"-5", -5, -5}, {"+7", 7, 7}, {"- 5", 0, 0}, {"1.50", 1, 1},
        {"007", 7, 7}, {"2147483647", INT_MAX, INT_MAX}, {"-2147483648", INT_MIN, INT_MIN},
        // Beyond the int range: _wtol saturates, GetDlgItemInt gives up.
        {"2147483648", INT_MAX, 0}, {"-99999999999999999999999", INT_MIN, 0},
        {digits, INT_MAX, 0}, {"\xc3\xa9" "12", 0, 0}};
    for (const auto& t : texts) {
        EXPECT_EQ(ParseLeadingInt(t.text), t.leading) << '"' << t.text << '"';
        EXPECT_EQ(ParseDialogInt(t.text), t.dialog) << '"' << t.text << '"';
    }
}

}  // namespace
}  // namespace kavel
