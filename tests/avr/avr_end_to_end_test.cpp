// The real panel, the real serial device and settings files, and the real sketch on a
// simulated ATmega328P behind a pseudo-terminal (kavel-avr-board): what a user does, and what
// the board's pins do, in the board's simulated time.

#include <cstdio>

#include "tests/avr/pulses.h"
#include "tests/e2e/real_panel_test.h"

namespace kavel {
namespace {

constexpr double kToleranceUs = 1000;

// The board's "pins t=SECONDS left=0|1 right=0|1 pwm=DUTY" lines as output changes.
std::vector<avr::OutputChange> Changes(const test::BoardProcess::Lines& lines) {
    std::vector<avr::OutputChange> changes;
    for (const std::string& line : lines) {
        double t = 0;
        int left = 0;
        int right = 0;
        int pwm = 0;
        if (std::sscanf(line.c_str(), "pins t=%lf left=%d right=%d pwm=%d", &t, &left, &right,
                        &pwm) == 4) {
            changes.push_back({avr::CyclesFromMicros(t * 1e6), {left != 0, right != 0, pwm}});
        }
    }
    return changes;
}

using AvrEndToEnd = test::RealPanelTest;

TEST_F(AvrEndToEnd, ThePanelMovesTheSimulatedBoardsPins) {
    test::BoardProcess board(KAVEL_AVR_BOARD_PATH, {});
    const std::string port = board.ReadLine().value_or("");  // the first line is the port's path
    ASSERT_TRUE(port.starts_with('/'));
    ASSERT_NO_FATAL_FAILURE(UsePort(port));
    ConnectWithoutPauses();

    // Left 0.3 s, right 0.2 s, full duty reached after 0.1 s, 100 ms between: typed, then
    // Send All and Start.
    Type(Peer(*panel).m_left_edit, "3");
    Type(Peer(*panel).m_right_edit, "2");
    Type(Peer(*panel).m_duty_edit, "100");
    Type(Peer(*panel).m_smooth_edit, "1");
    Type(Peer(*panel).m_offtime_edit, "100");
    QTest::mouseClick(Peer(*panel).m_send_all_button, Qt::LeftButton);
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::LeftButton);

    // A whole round, then Stop.
    auto rounds_done = [](const test::BoardProcess::Lines& lines) {
        return test::Pulses(Changes(lines), &avr::Outputs::left, 255).size() >= 2;
    };
    ASSERT_TRUE(rounds_done(board.WaitFor(rounds_done)));
    QTest::mouseClick(Peer(*panel).m_stop_button, Qt::LeftButton);
    auto all_off = [](const test::BoardProcess::Lines& lines) {
        return Changes(lines).back().outputs == avr::Outputs{};
    };
    const test::BoardProcess::Lines& lines = board.WaitFor(all_off);
    ASSERT_TRUE(all_off(lines));

    const auto changes = Changes(lines);
    const auto left = test::Pulses(changes, &avr::Outputs::left, 255);
    const auto right = test::Pulses(changes, &avr::Outputs::right, 255);
    ASSERT_GE(left.size(), 2u);
    ASSERT_GE(right.size(), 1u);
    EXPECT_NEAR(left[0].end_us - left[0].start_us, 300000, kToleranceUs);
    EXPECT_NEAR(right[0].start_us - left[0].end_us, 100000, kToleranceUs);
    EXPECT_NEAR(right[0].end_us - right[0].start_us, 200000, kToleranceUs);
    EXPECT_NEAR(left[1].start_us - right[0].end_us, 100000, kToleranceUs);
    EXPECT_NEAR(left[0].ramp_us, 100000, kToleranceUs);
    EXPECT_NEAR(right[0].ramp_us, 100000, kToleranceUs);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace kavel
