#include "tools/kavel-board/command_stream.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/parameters.h"
#include "firmware/kavel-drive/drive_config.h"

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

struct Case {
    const char* name;
    std::string input;
    std::vector<std::string> expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class StreamTable : public testing::TestWithParam<Case> {};

// Feeds the bytes, then lets the line go quiet.
TEST_P(StreamTable, Splits) {
    CommandStream stream;
    std::vector<ParseEvent> events = stream.Feed(GetParam().input);
    for (ParseEvent& e : stream.OnIdle()) events.push_back(std::move(e));
    EXPECT_FALSE(stream.Pending());
    std::vector<std::string> got;
    for (const ParseEvent& e : events) got.push_back(Brief(e));
    EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, StreamTable,
    testing::Values(
        Case{"values", "l1r2y3m4o5s120l-5r-0o000601x12", {"l=1", "r=2", "y=3", "m=4", "o=5", "s=120",
                                                          "l=-5", "r=0", "o=601", "x=12"}},
        Case{"int_limits", "l2147483647r-2147483648l2147483648r1l-2147483649r1",
             {"l=2147483647", "r=-2147483648", "l:overflow", "r=1", "l:overflow", "r=1"}},
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
        Case{"garbage_before", "\r\n#12l162", {"stray:5", "l=162"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Kavel's parameter table and the board's settings are written apart: the same letters in
// the same order, the same offset and the same start and stop.
TEST(KavelAndTheBoard, AgreeOnTheCommands) {
    std::string kavel;
    std::string board;
    for (const Parameter& parameter : kParameters) kavel += parameter.letter;
    for (int i = 0; i < drive::kSettingCount; ++i) board += drive::Info(drive::Setting(i)).letter;
    EXPECT_EQ(kavel, board);
    EXPECT_EQ((std::array{kSendOffset, kStartNumber, kStopNumber, int{kStartStopLetter}}),
              (std::array{drive::kValueOffset, drive::kStartNumber, drive::kStopNumber,
                          int{drive::kStartStopLetter}}));
}

// An event as the sketch's reader gives it: kind, letter and value.
template <typename Event>
std::string Word(const Event& e) {
    return std::to_string(e.kind) + std::string(1, e.letter) + std::to_string(e.value);
}

// Random garbage, then a separator (a byte that is not a letter or digit, or a quiet line),
// then a valid command, all fed in random pieces: the command must always come out whole,
// and nothing else may follow the separator but at most one report of skipped bytes. The
// sketch, reading byte by byte and ending a number on its clock when the line is quiet (also
// across micros()' wrap), must read the same.
TEST(CommandStream, FuzzResynchronisesAfterGarbage) {
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
        const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(random()));
        const std::string command = letter + std::to_string(value);
        SCOPED_TRACE("garbage \"" + garbage + "\" then " + command);

        CommandStream stream;
        auto feed_in_pieces = [&](const std::string& bytes) {
            std::vector<ParseEvent> events;
            for (std::size_t at = 0; at < bytes.size();) {
                const std::size_t chunk = 1 + static_cast<std::size_t>(below(5));
                for (ParseEvent& e : stream.Feed(bytes.substr(at, chunk))) events.push_back(e);
                at += chunk;
            }
            return events;
        };
        std::vector<ParseEvent> before = feed_in_pieces(garbage);
        const bool quiet_separator = below(4) == 0;
        const std::string separator =
            quiet_separator ? std::string() : std::string(1, separators[below(7)]);
        const std::vector<ParseEvent> at_separator =
            quiet_separator ? stream.OnIdle() : stream.Feed(separator);
        before.insert(before.end(), at_separator.begin(), at_separator.end());

        std::vector<ParseEvent> after = feed_in_pieces(command);
        for (ParseEvent& e : stream.OnIdle()) after.push_back(e);

        ASSERT_FALSE(after.empty());
        EXPECT_EQ(after.back(), (ParseEvent{Kind::kCommand, letter, value, command,
                                            command.size()}));
        ASSERT_LE(after.size(), 2u);
        if (after.size() == 2) {
            EXPECT_EQ(after[0].kind, Kind::kStrayBytes);
        }
        before.insert(before.end(), after.begin(), after.end());

        // The sketch: one byte time apart at 115200, a quiet line as its clock sees it.
        drive::CommandReader reader;
        drive::ReaderEvents events;
        std::vector<std::string> sketch;
        std::vector<std::string> expected;
        for (const ParseEvent& e : before) expected.push_back(Word(e));
        auto take = [&] {
            for (std::uint8_t i = 0; i < events.count; ++i) sketch.push_back(Word(events.items[i]));
        };
        std::uint32_t now = 0xFFFFF000u + static_cast<std::uint32_t>(below(0x2000));
        auto feed = [&](const std::string& bytes) {
            for (char c : bytes) {
                reader.Feed(c, now += 87, events);
                take();
            }
        };
        auto go_quiet = [&] {
            reader.Poll(now + drive::kIdleEndMicros - 1, events);
            EXPECT_EQ(events.count, 0);
            reader.Poll(now += drive::kIdleEndMicros, events);
            take();
        };
        feed(garbage);
        if (quiet_separator) go_quiet();
        feed(separator + command);
        go_quiet();
        ASSERT_EQ(sketch, expected);
    }
}

}  // namespace
}  // namespace kavel::board
