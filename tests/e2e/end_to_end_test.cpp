// The real panel, the real serial device and settings files, and kavel-board on a
// pseudo-terminal: what a user does, and what the board sees.

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "panel/child_view.h"
#include "tests/panel/child_view_peer.h"
#include "platform/posix/posix_serial_device.h"
#include "platform/posix/thread_sleeper.h"
#include "platform/qt/qsettings_store.h"
#include "core/port_settings_record.h"
#include "tests/e2e/board_process.h"
#include "tests/fakes/recorders.h"
#include "tests/panel/panel_test_support.h"

namespace kavel {
namespace {

using test::ScrollBarPart;
using test::SendMouse;

class EndToEnd : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        ASSERT_TRUE(board.Start());
        auto key = settings.CreateKey(std::string(record::kKeyPath));
        ASSERT_TRUE(key);
        key->SetString(std::string(record::kPort), board.port().toStdString());
        key->SetString(std::string(record::kSpeed), "115200");
        key->SetString(std::string(record::kParity), "NONE");
        key->SetString(std::string(record::kStopBits), "1");
        key->SetString(std::string(record::kDataBits), "8");
    }

    void ShowPanel(ISleeper& pauses) {
        panel = std::make_unique<CChildView>(
            Services{serial, settings, messages, pauses, urls, files});
        panel->resize(panel->sizeHint());
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }

    void ClickClient(Qt::MouseButton button, QPoint client) {
        QTest::mouseClick(panel.get(), button, Qt::NoModifier,
                          client + panel->contentsRect().topLeft());
    }
    void ClickUsb() { ClickClient(Qt::LeftButton, QPoint(75, 445)); }

    void ConnectWithoutPauses() {
        ShowPanel(no_pauses);
        ClickUsb();
        ASSERT_EQ(Peer(*panel).m_connected, 1) << (messages.shown.empty() ? "" : messages.shown[0].text);
        no_pauses.pauses.clear();
    }

    int BoardValue(const char* field) {
        return board.WaitForCommands(0).back().value(QLatin1String(field)).toInt(-1);
    }

    QTemporaryDir config;
    test::BoardProcess board;
    posix::PosixSerialDevice serial;
    qt::QSettingsStore settings;
    test::MessageRecorder messages;
    test::SleepRecorder no_pauses;
    test::UrlRecorder urls;
    test::ScriptedFileChooser files;
    std::unique_ptr<CChildView> panel;
};

TEST_F(EndToEnd, ConnectingTakesTheRealPausesAndReachesTheBoard) {
    ThreadSleeper real_pauses;
    ShowPanel(real_pauses);
    ClickUsb();
    EXPECT_EQ(Peer(*panel).m_connected, 1);
    EXPECT_EQ(Peer(*panel).m_status1, "1. Connect");
    EXPECT_EQ(Peer(*panel).m_status2, "2. Connected");
    EXPECT_TRUE(messages.shown.empty());
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::LeftButton);
    EXPECT_EQ(board.WaitForCommands(1).size(), 1u);
    EXPECT_EQ(board.Commands(), std::vector<std::string>{"s120"});
}

TEST_F(EndToEnd, AUserSessionMovesTheBoardAlong) {
    ConnectWithoutPauses();

    // One click on the LeftTime up arrow: the board sees 62 twice.
    QScrollBar* left = Peer(*panel).m_left_scroll;
    QTest::mouseClick(left, Qt::LeftButton, Qt::NoModifier,
                      ScrollBarPart(left, QStyle::SC_ScrollBarSubLine).center());
    board.WaitForCommands(2);
    EXPECT_EQ(board.Commands(), (std::vector<std::string>{"l162", "l162"}));
    EXPECT_EQ(BoardValue("left"), 62);

    // Dragging the off time thumb up: the board follows to the value the box shows.
    QScrollBar* off = Peer(*panel).m_offtime_scroll;
    const QPoint grip = ScrollBarPart(off, QStyle::SC_ScrollBarSlider).center();
    SendMouse(off, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    SendMouse(off, QEvent::MouseMove, grip - QPoint(0, 30), Qt::LeftButton);
    SendMouse(off, QEvent::MouseMove, grip - QPoint(0, 60), Qt::LeftButton);
    SendMouse(off, QEvent::MouseButtonRelease, grip - QPoint(0, 60), Qt::NoButton);
    const std::size_t after_drag = board.Commands().size() + 4;  // two tracks, position, end
    board.WaitForCommands(after_drag);
    const int off_value = Peer(*panel).m_offtime_edit->text().toInt();
    EXPECT_GT(off_value, 501);
    EXPECT_EQ(board.Commands().back(), "o" + std::to_string(off_value + 100));
    EXPECT_EQ(BoardValue("off"), off_value);

    // A number typed into the right time box and Enter.
    Peer(*panel).m_right_edit->setFocus();
    Peer(*panel).m_right_edit->setText(QStringLiteral("120"));
    QTest::keyClick(Peer(*panel).m_right_edit, Qt::Key_Return);
    board.WaitForCommands(after_drag + 1);
    EXPECT_EQ(board.Commands().back(), "r220");
    EXPECT_EQ(BoardValue("right"), 120);

    // Send All: the board's state equals the five boxes.
    QTest::mouseClick(Peer(*panel).m_send_all_button, Qt::LeftButton);
    board.WaitForCommands(after_drag + 6);
    EXPECT_EQ(BoardValue("left"), Peer(*panel).m_left_edit->text().toInt());
    EXPECT_EQ(BoardValue("right"), Peer(*panel).m_right_edit->text().toInt());
    EXPECT_EQ(BoardValue("duty"), Peer(*panel).m_duty_edit->text().toInt());
    EXPECT_EQ(BoardValue("smooth"), Peer(*panel).m_smooth_edit->text().toInt());
    EXPECT_EQ(BoardValue("off"), Peer(*panel).m_offtime_edit->text().toInt());
    EXPECT_EQ(no_pauses.pauses, (std::vector<unsigned>{50, 50, 50, 50, 50}));

    // Start and Stop.
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::LeftButton);
    board.WaitForCommands(after_drag + 7);
    EXPECT_TRUE(board.WaitForCommands(0).back().value(QLatin1String("running")).toBool());
    QTest::mouseClick(Peer(*panel).m_stop_button, Qt::LeftButton);
    board.WaitForCommands(after_drag + 8);
    EXPECT_FALSE(board.WaitForCommands(0).back().value(QLatin1String("running")).toBool());

    // Group 6 (left and right time) one step up with the forward side button.
    for (int i = 0; i < 6; ++i) ClickClient(Qt::RightButton, QPoint(700, 300));
    ASSERT_EQ(Peer(*panel).m_selected, 6);
    ClickClient(Qt::ForwardButton, QPoint(700, 300));
    board.WaitForCommands(after_drag + 10);
    EXPECT_EQ(BoardValue("left"), 72);
    EXPECT_EQ(BoardValue("right"), 130);
    EXPECT_EQ(Peer(*panel).m_left_edit->text(), "72");

    // Disconnect: nothing more reaches the board.
    ClickUsb();
    EXPECT_EQ(Peer(*panel).m_connected, 0);
    EXPECT_EQ(Peer(*panel).m_status2, "2. Disconnected");
    const std::size_t seen = board.Commands().size();
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::LeftButton);
    EXPECT_EQ(Peer(*panel).m_status1, "1. Can't send, the comm port is not connected");
    board.WaitForCommands(0);
    EXPECT_EQ(board.Commands().size(), seen);
}

TEST_F(EndToEnd, AnUnpluggedBoardIsReportedAndTheProgramCarriesOn) {
    ConnectWithoutPauses();
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::LeftButton);
    ASSERT_EQ(board.WaitForCommands(1).size(), 1u);

    board.Kill();
    QTest::mouseClick(Peer(*panel).m_stop_button, Qt::LeftButton);
    EXPECT_EQ(Peer(*panel).m_status3, "3.  Send failed - s110: Input/output error");
    QTest::mouseClick(Peer(*panel).m_send_all_button, Qt::LeftButton);
    EXPECT_TRUE(Peer(*panel).m_status3.startsWith("3.  Send failed - o601: "));
    panel->repaint();  // still paints

    // Disconnecting and connecting again to the vanished board fails cleanly.
    ClickUsb();
    EXPECT_EQ(Peer(*panel).m_status2, "2. Disconnected");
    ClickUsb();
    EXPECT_EQ(Peer(*panel).m_connected, 0);
    EXPECT_EQ(Peer(*panel).m_status2, "2. Connect failed");
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_TRUE(QString::fromStdString(messages.shown.back().text).startsWith("Can't open com port"));
}

}  // namespace
}  // namespace kavel
