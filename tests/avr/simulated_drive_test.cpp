// The built kavel-drive.hex on a simulated ATmega328P, in simulated time: the byte streams
// recorded from the real panel move the outputs with the times the values ask for (to within
// a millisecond of simulated time), input that is not a command changes nothing, and '?'
// answers.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "firmware/kavel-drive/drive_config.h"
#include "tests/avr/pulses.h"
#include "tests/avr/recorded_session.h"
#include "tools/avr-board/simulated_board.h"

namespace kavel::avr {
namespace {

using test::Pulses;

constexpr double kBootUs = 50000;      // the core's start-up and Serial.begin are long done
constexpr double kToleranceUs = 1000;  // what the tests allow around every time
constexpr double kIdleUs = drive::kIdleEndMicros;

// What the recorded session sets: left 12, right 8 (tenths of a second), duty 60 %,
// smooth start 3 (tenths), off time 250 ms.
constexpr double kLeftUs = 1200000;
constexpr double kRightUs = 800000;
constexpr double kOffUs = 250000;
constexpr double kRampUs = 300000;
constexpr int kDutyPwm = 153;  // 60 % of 255

// The value and state lines of an answer to '?': "left" -> "12", "running" -> "yes".
using Answer = std::map<std::string, std::string>;
Answer Values(const std::string& answer) {
    Answer values;
    std::istringstream lines(answer);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto blank = line.find(' ');
        if (blank == std::string::npos) continue;
        const std::string name = line.substr(0, blank);
        for (const char* known : {"left", "right", "duty", "smooth", "off", "running", "skipped"}) {
            if (name == known) values[name] = line.substr(blank + 1);
        }
    }
    return values;
}

class SimulatedDrive : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        board = SimulatedBoard::Load(KAVEL_DRIVE_HEX, &error);
        ASSERT_TRUE(board) << error;
        ASSERT_TRUE(board->RunForMicros(kBootUs));
        auto loaded = test::RecordedSession::Load(KAVEL_AVR_SESSION);
        ASSERT_TRUE(loaded) << KAVEL_AVR_SESSION;
        session = std::move(*loaded);
    }

    // Plays a recorded section from now, each read at its recorded time, and runs until its
    // last byte is in; returns the time (us) that byte was complete.
    double Play(const std::string& name) {
        const test::RecordedSection& section = session.Section(name);
        EXPECT_FALSE(section.reads.empty()) << name;
        const std::uint64_t base = board->cycle();
        std::size_t bytes = board->received().size();
        for (const test::RecordedRead& read : section.reads) {
            board->SendAt(base + CyclesFromMicros(read.ms * 1000.0), read.bytes);
            bytes += read.bytes.size();
        }
        while (board->received().size() < bytes) EXPECT_TRUE(board->RunForMicros(100));
        return MicrosFromCycles(board->received().back());
    }

    // Sends bytes now and runs until they are in; returns when the last was complete (us).
    double SendNow(const std::string& bytes) {
        const std::size_t expected = board->received().size() + bytes.size();
        board->Send(bytes);
        while (board->received().size() < expected) EXPECT_TRUE(board->RunForMicros(100));
        return MicrosFromCycles(board->received().back());
    }

    // '?' and the whole answer (it ends with the "skipped" line).
    std::string Ask() {
        board->TakeOutput();
        board->Send("?");
        std::string answer;
        for (int i = 0; i < 100 && answer.find("skipped ") == std::string::npos; ++i) {
            EXPECT_TRUE(board->RunForMicros(10000));
            answer += board->TakeOutput();
        }
        EXPECT_TRUE(board->RunForMicros(2000));
        return answer + board->TakeOutput();
    }

    double Now() const { return MicrosFromCycles(board->cycle()); }

    std::unique_ptr<SimulatedBoard> board;
    test::RecordedSession session;
};

TEST_F(SimulatedDrive, TheRecordedSessionDrivesTheTimesItsValuesAskFor) {
    // Connecting writes nothing; the scrolls, typed values and Send All set values only.
    EXPECT_TRUE(session.Section("connect").reads.empty());
    for (const char* name : {"scroll", "typed", "send all"}) {
        Play(name);
        ASSERT_TRUE(board->RunForMicros(100000));
    }
    EXPECT_TRUE(board->changes().empty()) << "an output moved before the start";
    EXPECT_EQ(Values(Ask()), (Answer{{"left", "12"}, {"right", "8"}, {"duty", "60"}, {"smooth", "3"},
                                     {"off", "250"}, {"running", "no"}, {"skipped", "0"}}));

    const double started = Play("start");
    ASSERT_TRUE(board->RunForMicros(5600000));  // two rounds and a bit: left, right, left, right, left
    const double stopped = Play("stop");
    ASSERT_TRUE(board->RunForMicros(100000));

    const auto& changes = board->changes();
    const auto left = Pulses(changes, &Outputs::left, kDutyPwm);
    const auto right = Pulses(changes, &Outputs::right, kDutyPwm);
    ASSERT_EQ(left.size(), 3u);
    ASSERT_EQ(right.size(), 2u);
    // "s120" is the last command of its write: the quiet line ends it.
    EXPECT_NEAR(left[0].start_us - started, kIdleUs, kToleranceUs);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE("round " + std::to_string(i));
        EXPECT_NEAR(left[i].end_us - left[i].start_us, kLeftUs, kToleranceUs);
        EXPECT_NEAR(right[i].start_us - left[i].end_us, kOffUs, kToleranceUs);
        EXPECT_NEAR(right[i].end_us - right[i].start_us, kRightUs, kToleranceUs);
        EXPECT_NEAR(left[i + 1].start_us - right[i].end_us, kOffUs, kToleranceUs);
        EXPECT_NEAR(left[i].ramp_us, kRampUs, kToleranceUs);
        EXPECT_NEAR(right[i].ramp_us, kRampUs, kToleranceUs);
    }
    // The stop cuts the third left movement short, all three outputs at once.
    EXPECT_NEAR(left[2].end_us - stopped, kIdleUs, kToleranceUs);
    EXPECT_EQ(board->outputs(), Outputs{});
    EXPECT_EQ(MicrosFromCycles(changes.back().cycle), left[2].end_us);
    // Never both directions, and no power in the pauses.
    for (const OutputChange& change : changes) {
        EXPECT_FALSE(change.outputs.left && change.outputs.right);
        if (!change.outputs.left && !change.outputs.right) {
            EXPECT_EQ(change.outputs.pwm, 0);
        }
    }
}

TEST_F(SimulatedDrive, InputThatIsNoCommandChangesNothing) {
    const std::vector<std::string> junk = {
        "l",   "l-",  "x12", "s115", "s",   "l99999999999", "\r\n",
        "#!",  "L150", "s20", "--1",  "y 150", "\xff\xfe"};
    // Each piece is skipped once, but "y 150": y without a number, then stray bytes.
    const int skipped = 14;

    // Stopped: no output moves and the values stay where they were.
    SendNow("y150l105");
    ASSERT_TRUE(board->RunForMicros(20000));
    Answer before = Values(Ask());
    for (const std::string& piece : junk) {
        SendNow(piece);
        ASSERT_TRUE(board->RunForMicros(20000));
    }
    EXPECT_TRUE(board->changes().empty());
    auto after = Values(Ask());
    EXPECT_EQ(after.at("skipped"), std::to_string(skipped));
    before.erase("skipped");
    after.erase("skipped");
    EXPECT_EQ(after, before);

    // Running: the junk arrives in the middle of the movements and their times hold.
    SendNow("l104r103o120m100y200s120");
    ASSERT_TRUE(board->RunForMicros(50000));
    for (const std::string& piece : junk) {
        SendNow(piece);
        ASSERT_TRUE(board->RunForMicros(20000));
    }
    ASSERT_TRUE(board->RunForMicros(1500000));
    const auto left = Pulses(board->changes(), &Outputs::left, 255);
    const auto right = Pulses(board->changes(), &Outputs::right, 255);
    ASSERT_GE(left.size(), 2u);
    ASSERT_GE(right.size(), 1u);
    EXPECT_NEAR(left[0].end_us - left[0].start_us, 400000, kToleranceUs);
    EXPECT_NEAR(right[0].start_us - left[0].end_us, 20000, kToleranceUs);
    EXPECT_NEAR(right[0].end_us - right[0].start_us, 300000, kToleranceUs);
    EXPECT_NEAR(left[1].start_us - right[0].end_us, 20000, kToleranceUs);
    EXPECT_LT(left[0].ramp_us, 100);  // no smooth start: full power at once
    EXPECT_EQ(Values(Ask()).at("skipped"), std::to_string(2 * skipped));
    // A number ended by a second '-' still counts (the '-' only ends it). A negative duty is
    // below the range: clamped to 0, and told so.
    SendNow("y-7-");
    ASSERT_TRUE(board->RunForMicros(20000));
    const auto values = Values(Ask());
    EXPECT_EQ(values.at("duty"), "0 (clamped: sent y-7)");
    EXPECT_EQ(values.at("skipped"), std::to_string(2 * skipped));
}

TEST_F(SimulatedDrive, AQuestionMarkAnswersWithTheHelpAndTheValues) {
    SendNow("l251r162m103o601y-150");
    const std::string answer = Ask();
    // The help's lines are the host test's; here: it comes, and the numbers print on the AVR.
    const std::string help_start = "kavel-drive: add 100 to each value, e.g. l162 for 62\r\n";
    EXPECT_EQ(answer.rfind(help_start, 0), 0u) << answer;
    EXPECT_EQ(Values(answer), (Answer{{"left", "100 (clamped: sent l251)"}, {"right", "62"},
                                      {"duty", "0 (clamped: sent y-150)"}, {"smooth", "3"},
                                      {"off", "501"}, {"running", "no"}, {"skipped", "0"}}));
    // The answer goes out byte by byte as the transmit buffer empties: the outputs keep their
    // times meanwhile (checked by the run below, asked in the middle of a movement).
    SendNow("l101r101o100y200s120");
    ASSERT_TRUE(board->RunForMicros(20000));
    EXPECT_EQ(Values(Ask()).at("running"), "yes");
    ASSERT_TRUE(board->RunForMicros(300000));
    const auto left = Pulses(board->changes(), &Outputs::left, 255);
    ASSERT_GE(left.size(), 2u);
    EXPECT_NEAR(left[0].end_us - left[0].start_us, 100000, kToleranceUs);
}

TEST_F(SimulatedDrive, ACommandEndsAtTheNextLetterOrWhenTheLineGoesQuiet) {
    SendNow("l150r150o100y200s120");
    ASSERT_TRUE(board->RunForMicros(100000));
    ASSERT_TRUE(board->outputs().left);
    // "s110" followed at once by '?': the '?' ends it, the outputs fall within a loop or two.
    const double ended = SendNow("s110?");
    ASSERT_TRUE(board->RunForMicros(5000));
    ASSERT_EQ(board->outputs(), Outputs{});
    EXPECT_LT(MicrosFromCycles(board->changes().back().cycle) - ended, 200);
    Ask();
    // "s120" alone: it counts only once the line has been quiet for the idle time.
    const double last_byte = SendNow("s120");
    ASSERT_TRUE(board->RunForMicros(kIdleUs - 500));
    EXPECT_EQ(board->outputs(), Outputs{});
    ASSERT_TRUE(board->RunForMicros(2000));
    EXPECT_TRUE(board->outputs().left);
    EXPECT_NEAR(MicrosFromCycles(board->changes().back().cycle) - last_byte, kIdleUs, 500);
}

TEST_F(SimulatedDrive, AWholeSendAllInOneWriteIsReadInFull) {
    // The bytes of Send All and Start back to back, as a panel without pauses writes them.
    std::string burst = session.Section("send all").Bytes() + session.Section("start").Bytes();
    burst += burst + burst;  // three times: more than the sketch's 64-byte receive buffer
    ASSERT_GT(burst.size(), 64u);
    SendNow(burst);
    ASSERT_TRUE(board->RunForMicros(kIdleUs + 2000));
    EXPECT_TRUE(board->outputs().left);
    const auto values = Values(Ask());
    EXPECT_EQ(values.at("left"), "12");
    EXPECT_EQ(values.at("off"), "250");
    EXPECT_EQ(values.at("running"), "yes");
    EXPECT_EQ(values.at("skipped"), "0");
}

}  // namespace
}  // namespace kavel::avr
