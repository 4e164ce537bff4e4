#include "tools/kavel-board/command_parser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kavel::board {
namespace {

using Kind = ParseEvent::Kind;

// One short word per event, so a table row reads like the stream it describes.
std::string Brief(const ParseEvent& e) {
    switch (e.kind) {
        case Kind::kCommand: return std::string(1, e.letter) + "=" + std::to_string(e.value);
        case Kind::kQuery: return "?";
        case Kind::kMissingNumber: return std::string(1, e.letter) + ":no-number";
        case Kind::kLoneMinus: return std::string(1, e.letter) + ":lone-minus";
        case Kind::kOverflow: return std::string(1, e.letter) + ":overflow";
        case Kind::kStrayBytes: return "stray:" + std::to_string(e.count);
    }
    return "?!";
}

// Feeds the bytes, then lets the line go quiet.
std::vector<std::string> ParseAll(const std::string& bytes) {
    CommandParser parser;
    std::vector<ParseEvent> events = parser.Feed(bytes);
    for (ParseEvent& e : parser.OnIdle()) events.push_back(std::move(e));
    EXPECT_FALSE(parser.Pending());
    std::vector<std::string> out;
    for (const ParseEvent& e : events) out.push_back(Brief(e));
    return out;
}

struct Case {
    const char* name;
    std::string input;
    std::vector<std::string> expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ParserTable : public testing::TestWithParam<Case> {};

TEST_P(ParserTable, Splits) { EXPECT_EQ(ParseAll(GetParam().input), GetParam().expected); }

// Plain commands, queries and separators are also compared against the board sketch's reader
// on random streams (tests/avr); these rows pin what that comparison cannot: the values, and
// which kind of report a malformed command gives.
INSTANTIATE_TEST_SUITE_P(
    Streams, ParserTable,
    testing::Values(
        Case{"all_letters", "l1r2y3m4o5s120", {"l=1", "r=2", "y=3", "m=4", "o=5", "s=120"}},
        Case{"negative", "l-5r-0", {"l=-5", "r=0"}},
        Case{"int_limits", "l2147483647r-2147483648", {"l=2147483647", "r=-2147483648"}},
        Case{"leading_zeros", "o000601", {"o=601"}},
        Case{"unknown_letter_keeps_its_number", "x12l162", {"x=12", "l=162"}},
        Case{"query_alone_and_between", "?l1?r2?", {"?", "l=1", "?", "r=2", "?"}},
        Case{"nul_ends_a_number", std::string("m106\0m107", 9), {"m=106", "m=107"}},
        Case{"second_minus", "l12-5", {"l=12", "stray:1"}},
        Case{"crlf_leaves_one_stray", "l162\r\n", {"l=162", "stray:1"}},
        Case{"letter_at_end", "l", {"l:no-number"}},
        Case{"letter_then_letter", "lr161", {"l:no-number", "r=161"}},
        Case{"letter_then_space", "l 162", {"l:no-number", "stray:3"}},
        Case{"lone_minus_then_letter", "l-r161", {"l:lone-minus", "r=161"}},
        Case{"double_minus", "l--1r2", {"l:lone-minus", "stray:1", "r=2"}},
        Case{"letter_then_query", "l?", {"l:no-number", "?"}},
        Case{"garbage_before", "\r\n#12l162", {"stray:5", "l=162"}},
        Case{"overflow_by_one", "l2147483648r1", {"l:overflow", "r=1"}},
        Case{"negative_overflow_by_one", "l-2147483649r1", {"l:overflow", "r=1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandParser, NumberEndsOnlyWhenTheLineGoesQuiet) {
    CommandParser parser;
    EXPECT_TRUE(parser.Feed("l16").empty());
    EXPECT_TRUE(parser.Feed("2").empty());  // a read split in the middle of a number
    EXPECT_TRUE(parser.Pending());
    const std::vector<ParseEvent> events = parser.OnIdle();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], (ParseEvent{Kind::kCommand, 'l', 162, "l162", 4}));
    EXPECT_FALSE(parser.Pending());
    EXPECT_TRUE(parser.OnIdle().empty());
}

TEST(CommandParser, LongInputIsCutInTheTextButCounted) {
    CommandParser parser;
    parser.Feed("l" + std::string(1000, '7'));
    const std::vector<ParseEvent> events = parser.OnIdle();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, Kind::kOverflow);
    EXPECT_EQ(events[0].text.size(), CommandParser::kMaxText);
    EXPECT_EQ(events[0].count, 1001u);
}

// Random garbage, then a separator (a byte that is not a letter or digit, or a quiet line),
// then a valid command: the command must always come out, and nothing else may follow the
// separator but at most one report of skipped bytes. Splitting the input at random must not
// change what is parsed.
TEST(CommandParser, FuzzResynchronisesAfterGarbage) {
    std::mt19937 random(20240611);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::string alphabet = "lrymosx?-0123456789 \r\n,";
    const std::string separators(" \n\r,;\0\xff", 7);
    const std::string letters = "lrymos";

    for (int round = 0; round < 20000; ++round) {
        std::string garbage;
        const int length = below(24);
        for (int i = 0; i < length; ++i) {
            const int pick = below(4);
            if (pick == 0) {
                garbage += static_cast<char>(below(256));
            } else if (pick == 1) {
                garbage += letters[below(6)] + std::to_string(below(400) - 100);
            } else {
                garbage += alphabet[below(static_cast<int>(alphabet.size()))];
            }
        }
        const char letter = letters[below(6)];
        const int value = static_cast<int>(static_cast<std::uint32_t>(random()));  // any int
        const std::string command = letter + std::to_string(value);
        SCOPED_TRACE("garbage \"" + garbage + "\" then " + command);

        CommandParser parser;
        std::vector<ParseEvent> before;
        for (std::size_t at = 0; at < garbage.size();) {
            const std::size_t chunk = 1 + static_cast<std::size_t>(below(5));
            for (ParseEvent& e : parser.Feed(garbage.substr(at, chunk))) before.push_back(e);
            at += chunk;
        }
        const bool quiet_separator = below(4) == 0;
        const std::string separator =
            quiet_separator ? std::string() : std::string(1, separators[below(7)]);
        const std::vector<ParseEvent> at_separator =
            quiet_separator ? parser.OnIdle() : parser.Feed(separator);
        before.insert(before.end(), at_separator.begin(), at_separator.end());

        std::vector<ParseEvent> after = parser.Feed(command);
        for (ParseEvent& e : parser.OnIdle()) after.push_back(e);

        ASSERT_FALSE(after.empty());
        EXPECT_EQ(after.back(), (ParseEvent{Kind::kCommand, letter, value, command,
                                            command.size()}));
        ASSERT_LE(after.size(), 2u);
        if (after.size() == 2) {
            EXPECT_EQ(after[0].kind, Kind::kStrayBytes);
        }

        // The same bytes in one piece parse the same.
        CommandParser whole;
        std::vector<ParseEvent> all = whole.Feed(garbage);
        if (quiet_separator) {
            for (ParseEvent& e : whole.OnIdle()) all.push_back(e);
        }
        for (ParseEvent& e : whole.Feed(separator + command)) all.push_back(e);
        for (ParseEvent& e : whole.OnIdle()) all.push_back(e);
        before.insert(before.end(), after.begin(), after.end());
        ASSERT_EQ(all, before);
    }
}

}  // namespace
}  // namespace kavel::board
