// The real panel, the real serial device and settings files, and the real sketch on a
// simulated ATmega328P behind a pseudo-terminal (kavel-avr-board): what a user does, and what
// the board's pins do, in the board's simulated time.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "panel/child_view.h"
#include "tests/panel/child_view_peer.h"
#include "platform/posix/posix_serial_device.h"
#include "platform/qt/qsettings_store.h"
#include "core/port_settings_record.h"
#include "tests/avr/avr_board_process.h"
#include "tests/avr/pulses.h"
#include "tests/fakes/recorders.h"
#include "tests/panel/panel_test_support.h"

namespace kavel {
namespace {

constexpr double kToleranceUs = 1000;

std::vector<avr::OutputChange> Changes(const std::vector<test::PinLine>& pins) {
    std::vector<avr::OutputChange> changes;
    for (const test::PinLine& pin : pins) {
        changes.push_back({avr::CyclesFromMicros(pin.t_us), {pin.left, pin.right, pin.pwm}});
    }
    return changes;
}

void Type(QLineEdit* edit, const char* text) {
    edit->setFocus();
    edit->setText(QString::fromLatin1(text));
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST(AvrEndToEnd, ThePanelMovesTheSimulatedBoardsPins) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    test::AvrBoardProcess board;
    ASSERT_TRUE(board.Start());
    qt::QSettingsStore settings;
    auto key = settings.CreateKey(std::string(record::kKeyPath));
    ASSERT_TRUE(key);
    key->SetString(std::string(record::kPort), board.port().toStdString());
    key->SetString(std::string(record::kSpeed), "115200");
    key->SetString(std::string(record::kParity), "NONE");
    key->SetString(std::string(record::kStopBits), "1");
    key->SetString(std::string(record::kDataBits), "8");

    posix::PosixSerialDevice serial;
    test::MessageRecorder messages;
    test::SleepRecorder no_pauses;
    test::UrlRecorder urls;
    test::ScriptedFileChooser files;
    CChildView panel(Services{serial, settings, messages, no_pauses, urls, files});
    panel.resize(panel.sizeHint());
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier,
                      test::kUsbCentre + panel.contentsRect().topLeft());
    ASSERT_EQ(Peer(panel).m_connected, 1);

    // Left 0.3 s, right 0.2 s, full duty reached after 0.1 s, 100 ms between: typed, then
    // Send All and Start.
    Type(Peer(panel).m_left_edit, "3");
    Type(Peer(panel).m_right_edit, "2");
    Type(Peer(panel).m_duty_edit, "100");
    Type(Peer(panel).m_smooth_edit, "1");
    Type(Peer(panel).m_offtime_edit, "100");
    QTest::mouseClick(Peer(panel).m_send_all_button, Qt::LeftButton);
    QTest::mouseClick(Peer(panel).m_start_button, Qt::LeftButton);

    // Two whole rounds, then Stop.
    auto rounds_done = [](const std::vector<test::PinLine>& pins) {
        return test::Pulses(Changes(pins), &avr::Outputs::left, 255).size() >= 3;
    };
    ASSERT_TRUE(rounds_done(board.WaitFor(rounds_done)));
    QTest::mouseClick(Peer(panel).m_stop_button, Qt::LeftButton);
    auto all_off = [](const std::vector<test::PinLine>& pins) {
        return !pins.back().left && !pins.back().right && pins.back().pwm == 0;
    };
    ASSERT_TRUE(all_off(board.WaitFor(all_off)));

    const auto changes = Changes(board.pins());
    const auto left = test::Pulses(changes, &avr::Outputs::left, 255);
    const auto right = test::Pulses(changes, &avr::Outputs::right, 255);
    ASSERT_GE(left.size(), 3u);
    ASSERT_GE(right.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE("round " + std::to_string(i));
        EXPECT_NEAR(left[i].end_us - left[i].start_us, 300000, kToleranceUs);
        EXPECT_NEAR(right[i].start_us - left[i].end_us, 100000, kToleranceUs);
        EXPECT_NEAR(right[i].end_us - right[i].start_us, 200000, kToleranceUs);
        EXPECT_NEAR(left[i + 1].start_us - right[i].end_us, 100000, kToleranceUs);
        EXPECT_NEAR(left[i].ramp_us, 100000, kToleranceUs);
        EXPECT_NEAR(right[i].ramp_us, 100000, kToleranceUs);
    }
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace kavel
