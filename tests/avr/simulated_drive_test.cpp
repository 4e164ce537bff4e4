// The built kavel-drive.hex on a simulated ATmega328P, in simulated time: the byte streams
// recorded from the real panel move the outputs with the times the values ask for (to within
// a millisecond of simulated time), input that is not a command changes nothing, and '?'
// answers.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "firmware/kavel-drive/drive_config.h"
#include "tests/avr/pulses.h"
#include "tools/avr-board/simulated_board.h"

namespace kavel::avr {
namespace {

using test::Pulses;

constexpr double kBootUs = 50000;      // the core's start-up and Serial.begin are long done
constexpr double kToleranceUs = 1000;  // what the tests allow around every time
constexpr double kIdleUs = drive::kIdleEndMicros;
constexpr double kDeadUs = drive::kDeadTimeMicros;
constexpr double kPassUs = 200;  // a pass or two of the sketch's loop

// What the recorded session sets: left 12, right 8 (tenths of a second), duty 60 %,
// smooth start 3 (tenths), off time 250 ms.
constexpr double kLeftUs = 1200000;
constexpr double kRightUs = 800000;
constexpr double kOffUs = 250000;
constexpr double kRampUs = 300000;
constexpr int kDutyPwm = 153;  // 60 % of 255

// Every movement begins after the outputs have been all off for the dead time (at the first
// they were off since the start), and no change goes from one direction straight to the
// other, drives both, or powers the drive without a direction.
void ExpectDeadTimes(const std::vector<OutputChange>& changes) {
    Outputs before;
    double off_since = -kDeadUs;
    for (const OutputChange& change : changes) {
        const Outputs& now = change.outputs;
        const double at = MicrosFromCycles(change.cycle);
        EXPECT_FALSE(now.left && now.right) << at;
        EXPECT_TRUE(now.left || now.right || now.pwm == 0) << at;
        const bool turning = now.left != before.left || now.right != before.right;
        if (turning && (now.left || now.right)) {
            EXPECT_EQ(before, Outputs{}) << "a direction without a pause at " << at;
            EXPECT_GE(at - off_since, kDeadUs) << at;
        }
        if (now == Outputs{}) off_since = at;
        before = now;
    }
}

// The byte streams kavel-record-streams took from the real panel (data/kavel-session.txt):
// "@ name" starts a section, one user action; each other line is one read, its time in
// milliseconds since the section began and the bytes.
struct Read {
    int ms;
    std::string bytes;
};
using Section = std::vector<Read>;

std::map<std::string, Section> LoadSession(const std::string& path) {
    std::map<std::string, Section> sections;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::string name;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line.rfind("@ ", 0) == 0) {
            name = line.substr(2);
            sections[name];
        } else {
            const auto blank = line.find(' ');
            sections[name].push_back({std::stoi(line.substr(0, blank)), line.substr(blank + 1)});
        }
    }
    return sections;
}

// The value and state lines of an answer to '?', the lines after the help.
std::string Values(const std::string& answer) {
    const auto at = answer.find("\r\nleft ");
    return at == std::string::npos ? answer : answer.substr(at + 2);
}

class SimulatedDrive : public testing::Test {
protected:
    void SetUp() override {
        session = LoadSession(KAVEL_AVR_SESSION);
        ASSERT_EQ(session.size(), 6u) << KAVEL_AVR_SESSION;
        Boot(KAVEL_DRIVE_HEX);
    }

    void Boot(const std::string& hex) {
        std::string error;
        board = SimulatedBoard::Load(hex, &error);
        ASSERT_TRUE(board) << error;
        ASSERT_TRUE(board->RunForMicros(kBootUs));
    }

    // The recorded session: the scrolls, typed values and Send All, which set values only,
    // then Start, two rounds and a bit (left, right, left, right, left), and Stop. Returns
    // when "s120" and "s110" were in (us).
    std::pair<double, double> PlayTheRecordedSession() {
        EXPECT_TRUE(session.at("connect").empty());  // connecting writes nothing
        for (const char* name : {"scroll", "typed", "send all"}) {
            Play(name);
            EXPECT_TRUE(board->RunForMicros(100000));
        }
        EXPECT_TRUE(board->changes().empty()) << "an output moved before the start";
        EXPECT_EQ(Values(Ask()), "left 12\r\nright 8\r\nduty 60\r\nsmooth 3\r\noff 250\r\n"
                                 "running no\r\nskipped 0\r\n");
        const double started = Play("start");
        EXPECT_TRUE(board->RunForMicros(5600000));
        const double stopped = Play("stop");
        EXPECT_TRUE(board->RunForMicros(100000));
        return {started, stopped};
    }

    // Plays a recorded section from now, each read at its recorded time, and runs until its
    // last byte is in; returns the time (us) that byte was complete.
    double Play(const std::string& name) {
        const Section& section = session.at(name);
        EXPECT_FALSE(section.empty()) << name;
        std::size_t expected = board->received().size();
        const std::uint64_t base = board->cycle();
        for (const Read& read : section) {
            board->SendAt(base + CyclesFromMicros(read.ms * 1000.0), read.bytes);
            expected += read.bytes.size();
        }
        return RunUntilReceived(expected);
    }

    // Sends bytes now and runs until they are in; returns when the last was complete (us).
    double SendNow(const std::string& bytes) {
        const std::size_t expected = board->received().size() + bytes.size();
        board->Send(bytes);
        return RunUntilReceived(expected);
    }

    double RunUntilReceived(std::size_t expected) {
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

    std::unique_ptr<SimulatedBoard> board;
    std::map<std::string, Section> session;
};

TEST_F(SimulatedDrive, TheRecordedSessionDrivesTheTimesItsValuesAskFor) {
    const auto [started, stopped] = PlayTheRecordedSession();
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
    ExpectDeadTimes(changes);
}

// The sketch folder as the Arduino IDE's builder compiles it for the Uno (arduino-builder,
// its own flags and link-time optimisation) drives the same pin timeline in the recorded
// session as our build, each change to within a pass or two of the sketch's loop.
TEST_F(SimulatedDrive, TheArduinoBuildersHexDrivesTheSamePinTimeline) {
    PlayTheRecordedSession();
    const std::vector<OutputChange> ours = board->changes();
    Boot(KAVEL_ARDUINO_UNO_HEX);
    PlayTheRecordedSession();
    const std::vector<OutputChange>& theirs = board->changes();
    ASSERT_EQ(theirs.size(), ours.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
        EXPECT_EQ(theirs[i].outputs, ours[i].outputs) << i;
        EXPECT_NEAR(MicrosFromCycles(theirs[i].cycle), MicrosFromCycles(ours[i].cycle), kPassUs) << i;
    }
}

// Each piece is skipped and counted, and changes nothing else ("y 150": y without a number,
// then stray bytes; "y-7-": a number ended by its second '-' counts, clamped to 0). The
// answer, with the longest number there is, goes out byte by byte as the transmit buffer
// empties, while the outputs keep their times: asked in the middle of a movement.
TEST_F(SimulatedDrive, InputThatIsNoCommandIsCountedAndTheAnswerTellsTheValues) {
    const std::vector<std::string> junk = {
        "l",   "l-",  "x12", "s115", "s",   "l99999999999", "\r\n",
        "#!",  "L150", "s20", "--1",  "y 150", "\xff\xfe"};
    SendNow("l251r162m-2147483648o601y150");
    for (const std::string& piece : junk) {
        SendNow(piece);
        ASSERT_TRUE(board->RunForMicros(20000));
    }
    SendNow("y-7-");
    ASSERT_TRUE(board->RunForMicros(20000));
    EXPECT_TRUE(board->changes().empty());
    EXPECT_EQ(Ask(),
              "kavel-drive: add 100 to each value, e.g. l162 for 62\r\n"
              "'s': Start, s110 no, s120 yes\r\n"
              "'y': Duty cycle 0 to 100 (percent)\r\n"
              "'l': Left movement time 0 to 100 (tenths of a second)\r\n"
              "'r': Right movement time 0 to 100 (tenths of a second)\r\n"
              "'m': Smooth start length 0 to 100 (tenths of a second)\r\n"
              "'o': Off time between pulses 0 to 10000 (milliseconds)\r\n"
              "'?': Info - this info; values outside a range are clamped\r\n"
              "left 100 (clamped: sent l251)\r\nright 62\r\nduty 0 (clamped: sent y-7)\r\n"
              "smooth 0 (clamped: sent m-2147483648)\r\noff 501\r\nrunning no\r\nskipped 14\r\n");

    SendNow("l101r101o100y200s120");
    ASSERT_TRUE(board->RunForMicros(20000));
    EXPECT_NE(Ask().find("running yes"), std::string::npos);
    ASSERT_TRUE(board->RunForMicros(300000));
    const auto left = Pulses(board->changes(), &Outputs::left, 255);
    ASSERT_GE(left.size(), 2u);
    EXPECT_NEAR(left[0].end_us - left[0].start_us, 100000, kToleranceUs);
}

}  // namespace
}  // namespace kavel::avr
