// The command a value goes out as, the text-to-number rules the record and the edit boxes
// use, the scroll clamps and the group steps. The values from thumbs and the lookups by
// control id are tested through the panel's controls.

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

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

TEST(ScrollClamps, StayInsideTheRange) {
    const struct {
        int code, position, track;
        std::optional<int> expected;
    } cases[] = {{kLineUp, 90, 0, 89},     {kLineUp, 0, 0, 0},        {kLineDown, 90, 0, 91},
                 {kLineDown, 150, 0, 150}, {kPageUp, 90, 0, 80},      {kPageUp, 10, 0, 0},
                 {kPageUp, 11, 0, 1},      {kPageDown, 90, 0, 100},   {kPageDown, 140, 0, 150},
                 {kPageDown, 139, 0, 149}, {kThumbTrack, 90, 33, 33}, {kThumbPosition, 90, 12, 12},
                 {kTop, 90, 0, 0},         {kBottom, 90, 0, 150},     {kEndScroll, 90, 5, {}},
                 {99, 90, 5, {}}};
    for (const auto& c : cases) {
        EXPECT_EQ(NewScrollPosition(c.code, c.position, c.track, 0, 150), c.expected)
            << c.code << " at " << c.position;
    }
}

TEST(GroupSteps, MoveAllMembersByTheSmallestOwnMove) {
    const struct {
        int selected;
        std::vector<int> values;
        bool up;
        int expected_move;
    } cases[] = {{0, {5}, false, 4},         {0, {1}, false, 0},  {0, {61}, true, 10},
                 {4, {950}, true, 51},       // off time 950 -> 1001
                 {4, {500}, true, 100},      {6, {145, 61}, true, 6},  // -> 151, 67
                 {7, {30, 5, 50}, false, 4},  // -> 26, 1, 46
                 {2, {101}, true, 0},        {5, {11}, false, 10}};
    for (const auto& c : cases) {
        const Group& g = GroupFor(c.selected);
        ASSERT_EQ(static_cast<std::size_t>(g.count), c.values.size());
        std::vector<int> limits;
        for (int i = 0; i < g.count; ++i) {
            const auto member = static_cast<std::size_t>(g.members[i]);
            limits.push_back(ScrollLimit(kParameters[member].maximum));
        }
        const int d = c.up ? StepUpMove(c.values, limits, g.step) : StepDownMove(c.values, g.step);
        EXPECT_EQ(d, c.expected_move) << "group " << c.selected;
    }
}

}  // namespace
}  // namespace kavel
