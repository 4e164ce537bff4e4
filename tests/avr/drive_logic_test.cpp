// The sketch's plain C++ parts, built for the host: the reader against kavel-board's parser,
// the values' ranges, the movement's phases and the answer to '?'.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "firmware/kavel-drive/command_reader.h"
#include "firmware/kavel-drive/drive_cycle.h"
#include "firmware/kavel-drive/drive_settings.h"
#include "firmware/kavel-drive/reply_text.h"
#include "tools/kavel-board/command_parser.h"

namespace drive {
namespace {

// Both parsers' events in one spelling: "l=162", "?" or "skip".
std::string Word(const ReaderEvent& e) {
    if (e.kind == ReaderEvent::kCommand) return std::string(1, e.letter) + "=" + std::to_string(e.value);
    return e.kind == ReaderEvent::kQuery ? "?" : "skip";
}
std::string Word(const kavel::board::ParseEvent& e) {
    using Kind = kavel::board::ParseEvent::Kind;
    if (e.kind == Kind::kCommand) return std::string(1, e.letter) + "=" + std::to_string(e.value);
    return e.kind == Kind::kQuery ? "?" : "skip";
}

void Append(std::vector<std::string>& words, const ReaderEvents& events) {
    for (uint8_t i = 0; i < events.count; ++i) words.push_back(Word(events.items[i]));
}

// Random streams of commands, near-commands and noise, with quiet gaps between some bytes:
// the sketch's reader must split them exactly as kavel-board does.
TEST(CommandReader, SplitsEveryStreamAsKavelBoardDoes) {
    std::mt19937 random(1212);
    auto below = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
    const std::vector<std::string> pieces = {
        "l", "r", "y", "m", "o", "s", "x", "?", "-", "0", "7", "162", "120", "110", " ", "\r\n",
        ",", std::string(1, '\0'), "\xff", "2147483647", "2147483648", "-2147483648",
        "-2147483649", "99999999999"};
    for (int round = 0; round < 5000; ++round) {
        kavel::board::CommandParser board;
        CommandReader reader;
        std::vector<std::string> expected;
        std::vector<std::string> got;
        ReaderEvents events;
        uint32_t now = 0xFFFF0000u + below(0x20000);  // some rounds run across micros()' wrap
        const unsigned count = 1 + below(30);
        for (unsigned i = 0; i < count; ++i) {
            if (below(6) == 0) {  // the line goes quiet
                for (const auto& e : board.OnIdle()) expected.push_back(Word(e));
                reader.Poll(now + kIdleEndMicros - 1, events);
                ASSERT_EQ(events.count, 0);
                now += kIdleEndMicros;
                reader.Poll(now, events);
                Append(got, events);
            }
            for (char c : pieces[below(static_cast<unsigned>(pieces.size()))]) {
                for (const auto& e : board.Feed(std::string_view(&c, 1))) expected.push_back(Word(e));
                now += 87;  // one byte time at 115200
                reader.Feed(c, now, events);
                Append(got, events);
            }
        }
        for (const auto& e : board.OnIdle()) expected.push_back(Word(e));
        reader.Poll(now + kIdleEndMicros, events);
        Append(got, events);
        ASSERT_EQ(got, expected) << "round " << round;
        EXPECT_FALSE(reader.Pending());
    }
}

struct ApplyCase {
    char letter;
    int32_t number;
    DriveSettings::Result result;
    uint16_t value;
    bool clamped;
};

TEST(DriveSettings, ClampsEachValueToItsRange) {
    const std::vector<ApplyCase> cases = {
        {'l', 162, DriveSettings::kApplied, 62, false},
        {'l', 100, DriveSettings::kApplied, 0, false},
        {'l', 200, DriveSettings::kApplied, 100, false},
        {'l', 251, DriveSettings::kApplied, 100, true},
        {'r', 99, DriveSettings::kApplied, 0, true},
        {'r', -2147483647 - 1, DriveSettings::kApplied, 0, true},
        {'y', 2147483647, DriveSettings::kApplied, 100, true},
        {'m', 106, DriveSettings::kApplied, 6, false},
        {'o', 601, DriveSettings::kApplied, 501, false},
        {'o', 10100, DriveSettings::kApplied, 10000, false},
        {'o', 10101, DriveSettings::kApplied, 10000, true},
    };
    for (const ApplyCase& c : cases) {
        DriveSettings settings;
        const Setting setting = c.letter == 'l'   ? kLeft
                                : c.letter == 'r' ? kRight
                                : c.letter == 'y' ? kDuty
                                : c.letter == 'm' ? kSmooth
                                                  : kOff;
        EXPECT_EQ(settings.Apply(c.letter, c.number), c.result) << c.letter << c.number;
        EXPECT_EQ(settings.Value(setting), c.value) << c.letter << c.number;
        EXPECT_EQ(settings.Clamped(setting), c.clamped) << c.letter << c.number;
        EXPECT_EQ(settings.Sent(setting), c.number);
    }
}

TEST(DriveSettings, StartsAndStopsOnlyOnTheirTwoNumbers) {
    DriveSettings settings;
    EXPECT_EQ(settings.Apply('s', 120), DriveSettings::kApplied);
    EXPECT_TRUE(settings.running());
    EXPECT_EQ(settings.Apply('s', 115), DriveSettings::kBadStartValue);
    EXPECT_EQ(settings.Apply('s', 20), DriveSettings::kBadStartValue);
    EXPECT_TRUE(settings.running());
    EXPECT_EQ(settings.Apply('x', 120), DriveSettings::kUnknownLetter);
    EXPECT_EQ(settings.Apply('L', 162), DriveSettings::kUnknownLetter);  // letters are exact
    EXPECT_EQ(settings.Value(kLeft), 0);
    EXPECT_EQ(settings.Apply('s', 110), DriveSettings::kApplied);
    EXPECT_FALSE(settings.running());
}

// The lengths' units are pinned by the phases below.
TEST(DriveSettings, DutyScale) {
    DriveSettings settings;
    const std::vector<std::pair<int32_t, uint8_t>> duties = {{100, 0}, {101, 3}, {150, 128},
                                                             {160, 153}, {200, 255}};
    for (const auto& [number, pwm] : duties) {
        settings.Apply('y', number);
        EXPECT_EQ(settings.PwmTarget(), pwm) << number;
    }
}

// The outputs at a few moments of a run: left 1.2 s, off 0.25 s, right 0.8 s, ramp 0.3 s.
TEST(DriveCycle, RunsThePhasesWithTheirLengthsAndRamps) {
    DriveSettings settings;
    for (const char* command : {"l112", "r108", "o350", "y160", "m103"}) {
        settings.Apply(command[0], std::stoi(command + 1));
    }
    DriveCycle cycle;
    const uint32_t t0 = 0xFFF00000u;  // across micros()' wrap
    EXPECT_EQ(cycle.Update(settings, t0), (DriveOutputs{false, false, 0}));
    settings.Apply('s', 120);
    struct Moment {
        uint32_t at;
        DriveOutputs out;
    };
    const std::vector<Moment> moments = {
        {0, {true, false, 0}},          {150000, {true, false, 76}},
        {300000, {true, false, 153}},   {1199999, {true, false, 153}},
        {1200000, {false, false, 0}},   {1449999, {false, false, 0}},
        {1450000, {false, true, 0}},    {1600000, {false, true, 76}},
        {2249999, {false, true, 153}},  {2250000, {false, false, 0}},
        {2500000, {true, false, 0}},
    };
    for (const Moment& m : moments) {
        EXPECT_EQ(cycle.Update(settings, t0 + m.at), m.out) << m.at;
    }
    settings.Apply('s', 110);
    EXPECT_EQ(cycle.Update(settings, t0 + 2600000), (DriveOutputs{false, false, 0}));
    settings.Apply('s', 120);  // a new start begins with the left movement again
    EXPECT_EQ(cycle.Update(settings, t0 + 2700000), (DriveOutputs{true, false, 0}));
}

TEST(DriveCycle, LeavesOutZeroLengthPhases) {
    DriveSettings settings;
    settings.Apply('y', 200);
    settings.Apply('s', 120);
    DriveCycle cycle;
    // All lengths 0: nothing moves, and Update comes back.
    EXPECT_EQ(cycle.Update(settings, 0), (DriveOutputs{false, false, 0}));
    EXPECT_EQ(cycle.Update(settings, 5), (DriveOutputs{false, false, 0}));
    // Only a right time: right, right, ... with no pause and no left.
    settings.Apply('r', 101);
    EXPECT_EQ(cycle.Update(settings, 10), (DriveOutputs{false, true, 255}));
    EXPECT_EQ(cycle.Update(settings, 100009), (DriveOutputs{false, true, 255}));
    EXPECT_EQ(cycle.Update(settings, 100010), (DriveOutputs{false, true, 255}));
    // Shortening the running phase ends it at once.
    settings.Apply('l', 105);
    settings.Apply('r', 100);
    EXPECT_EQ(cycle.Update(settings, 100020), (DriveOutputs{true, false, 255}));
}

// The ramp is stepped by additions on the board; at any moment it must equal the straight
// line target * elapsed / ramp, rounded down, also after the duty or the length changed.
TEST(DriveCycle, TheRampIsTheStraightLineAtEveryMomentAndAfterChanges) {
    std::mt19937 random(77);
    for (int round = 0; round < 300; ++round) {
        DriveSettings settings;
        settings.Apply('l', 200);  // 10 s: one long left movement
        settings.Apply('y', static_cast<int32_t>(100 + random() % 101));
        settings.Apply('m', static_cast<int32_t>(101 + random() % 100));
        settings.Apply('s', 120);
        DriveCycle cycle;
        const uint32_t start = static_cast<uint32_t>(random());
        cycle.Update(settings, start);
        for (uint32_t elapsed = 0; elapsed < 9900000;) {
            elapsed += 1 + static_cast<uint32_t>(random() % 20000);
            if (random() % 40 == 0) {
                settings.Apply(random() % 2 == 0 ? 'y' : 'm', static_cast<int32_t>(100 + random() % 101));
            }
            const DriveOutputs out = cycle.Update(settings, start + elapsed);
            const uint64_t ramp = settings.Micros(kSmooth);
            const uint64_t target = settings.PwmTarget();
            const uint64_t line = elapsed >= ramp ? target : target * elapsed / ramp;
            ASSERT_TRUE(out.left);
            ASSERT_EQ(out.pwm, line) << "round " << round << " at " << elapsed;
        }
    }
}

std::string WholeReply(const DriveSettings& settings) {
    ReplyText reply;
    reply.Begin(settings);
    std::string text;
    while (!reply.Done() && text.size() < 2000) text += reply.Next();
    return text;
}

TEST(ReplyText, HelpThenValuesThenState) {
    DriveSettings settings;
    settings.Apply('l', 162);
    settings.Apply('y', 251);
    settings.Apply('o', -5);
    settings.Apply('s', 120);
    settings.CountSkipped();
    const std::string text = WholeReply(settings);
    EXPECT_EQ(text.rfind("kavel-drive: add 100 to each value, e.g. l162 for 62\r\n", 0), 0u);
    const std::string values =
        "left 62\r\nright 0\r\nduty 100 (clamped: sent y251)\r\nsmooth 0\r\n"
        "off 0 (clamped: sent o-5)\r\nrunning yes\r\nskipped 1\r\n";
    ASSERT_GE(text.size(), values.size());
    EXPECT_EQ(text.substr(text.size() - values.size()), values);
    for (char letter : std::string("sylrmo?")) {
        EXPECT_NE(text.find(std::string("'") + letter + "': "), std::string::npos) << letter;
    }
    // Begin again gives the same text, and the longest numbers fit their line.
    settings.Apply('y', -2147483647 - 1);
    EXPECT_NE(WholeReply(settings).find("duty 0 (clamped: sent y-2147483648)\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace drive
