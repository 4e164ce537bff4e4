// The command wire format and the text-to-number rules the record and the edit boxes use.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/command_format.h"
#include "core/number_parse.h"

namespace kavel {
namespace {

struct FormatCase {
    char letter;
    int value;
    const char* wire;
};

class CommandFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(CommandFormat, IsLetterThenSignedDecimalWithNothingAround) {
    const FormatCase& c = GetParam();
    const std::string wire = FormatCommand(c.letter, c.value);
    EXPECT_EQ(wire, c.wire);
    EXPECT_EQ(wire.find('\0'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandFormat,
                         testing::Values(FormatCase{'l', 162, "l162"}, FormatCase{'o', 601, "o601"},
                                         FormatCase{'s', 120, "s120"}, FormatCase{'l', -5, "l-5"},
                                         FormatCase{'y', 0, "y0"}, FormatCase{'o', 1101, "o1101"},
                                         FormatCase{'m', INT_MIN, "m-2147483648"}));

struct ParseCase {
    const char* text;
    int leading;  // _wtol rule
    int dialog;   // GetDlgItemInt rule
};

class NumberRules : public testing::TestWithParam<ParseCase> {};

TEST_P(NumberRules, FollowThePlatformConversions) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseLeadingInt(c.text), c.leading) << '"' << c.text << '"';
    EXPECT_EQ(ParseDialogInt(c.text), c.dialog) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberRules,
    testing::Values(ParseCase{"9600", 9600, 9600}, ParseCase{"9600 baud", 9600, 9600},
                    ParseCase{"abc", 0, 0}, ParseCase{"", 0, 0}, ParseCase{"  \t42", 42, 42},
                    ParseCase{"-5", -5, -5}, ParseCase{"+7", 7, 7}, ParseCase{"- 5", 0, 0},
                    ParseCase{"1.50", 1, 1}, ParseCase{"007", 7, 7},
                    ParseCase{"2147483647", INT_MAX, INT_MAX},
                    ParseCase{"-2147483648", INT_MIN, INT_MIN},
                    // Beyond the int range: _wtol saturates, GetDlgItemInt gives up.
                    ParseCase{"2147483648", INT_MAX, 0},
                    ParseCase{"99999999999", INT_MAX, 0},
                    ParseCase{"-99999999999999999999999", INT_MIN, 0},
                    ParseCase{"\xc3\xa9" "12", 0, 0}));

TEST(NumberRules, VeryLongDigitRunsSaturateWithoutOverflow) {
    const std::string digits(10000, '9');
    EXPECT_EQ(ParseLeadingInt(digits), INT_MAX);
    EXPECT_EQ(ParseDialogInt(digits), 0);
    EXPECT_EQ(ParseLeadingInt("-" + digits), INT_MIN);
}

TEST(Utf16Length, CountsUnitsNotBytes) {
    EXPECT_EQ(Utf16Length(""), 0u);
    EXPECT_EQ(Utf16Length("Com3"), 4u);
    EXPECT_EQ(Utf16Length("\xc3\xa9t\xc3\xa9"), 3u);          // "été": 2-byte sequences
    EXPECT_EQ(Utf16Length("\xe2\x82\xac"), 1u);               // euro sign: 3 bytes, 1 unit
    EXPECT_EQ(Utf16Length("\xf0\x9f\x94\x8c"), 2u);           // a plug emoji: surrogate pair
}

}  // namespace
}  // namespace kavel
