// The real panel, the real serial device and settings files, and kavel-board on a
// pseudo-terminal: what a user does, and what the board sees.

#include <QJsonDocument>
#include <QJsonObject>

#include "platform/posix/thread_sleeper.h"
#include "tests/e2e/real_panel_test.h"

namespace kavel {
namespace {

using test::ScrollBarPart;
using test::SendMouse;

class EndToEnd : public test::RealPanelTest {
protected:
    void SetUp() override {
        // The first line names the port.
        const QJsonObject hello = QJsonDocument::fromJson(board.Start()).object();
        const QString port = hello.value(QStringLiteral("port")).toString();
        ASSERT_FALSE(port.isEmpty());
        ASSERT_NO_FATAL_FAILURE(UsePort(port.toStdString()));
    }

    // Waits until at least count commands arrived (or a deadline passed); returns every
    // command's state line received so far.
    std::vector<QJsonObject> WaitForCommands(std::size_t count) {
        auto states = [](const test::BoardProcess::Lines& lines) {
            std::vector<QJsonObject> objects;
            for (const QByteArray& line : lines) {
                const QJsonDocument doc = QJsonDocument::fromJson(line);
                if (doc.isObject()) objects.push_back(doc.object());
            }
            return objects;
        };
        return states(board.WaitFor([&](const auto& lines) { return states(lines).size() >= count; }));
    }
    // The "last" field of every command received so far, e.g. "l162".
    std::vector<std::string> Commands() {
        std::vector<std::string> commands;
        for (const QJsonObject& state : WaitForCommands(0)) {
            commands.push_back(state.value(QStringLiteral("last")).toString().toStdString());
        }
        return commands;
    }

    int BoardValue(const char* field) {
        return WaitForCommands(0).back().value(QLatin1String(field)).toInt(-1);
    }

    test::BoardProcess board{QStringLiteral(KAVEL_BOARD_PATH), {QStringLiteral("--json")}};
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
    EXPECT_EQ(WaitForCommands(1).size(), 1u);
    EXPECT_EQ(Commands(), std::vector<std::string>{"s120"});
}

TEST_F(EndToEnd, AUserSessionMovesTheBoardAlong) {
    ConnectWithoutPauses();

    // One click on the LeftTime up arrow: the board sees 62 twice.
    QScrollBar* left = Peer(*panel).m_left_scroll;
    QTest::mouseClick(left, Qt::LeftButton, Qt::NoModifier,
                      ScrollBarPart(left, QStyle::SC_ScrollBarSubLine).center());
    WaitForCommands(2);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"l162", "l162"}));
    EXPECT_EQ(BoardValue("left"), 62);

    // Dragging the off time thumb up: the board follows to the value the box shows.
    const std::size_t after_drag = Commands().size() + 4;  // two tracks, position, end
    QScrollBar* off = Peer(*panel).m_offtime_scroll;
    const QPoint grip = ScrollBarPart(off, QStyle::SC_ScrollBarSlider).center();
    SendMouse(off, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    SendMouse(off, QEvent::MouseMove, grip - QPoint(0, 30), Qt::LeftButton);
    SendMouse(off, QEvent::MouseMove, grip - QPoint(0, 60), Qt::LeftButton);
    SendMouse(off, QEvent::MouseButtonRelease, grip - QPoint(0, 60), Qt::NoButton);
    WaitForCommands(after_drag);
    const int off_value = Peer(*panel).m_offtime_edit->text().toInt();
    EXPECT_GT(off_value, 501);
    EXPECT_EQ(Commands().back(), "o" + std::to_string(off_value + 100));
    EXPECT_EQ(BoardValue("off"), off_value);

    // A number typed into the right time box and Enter.
    Type(Peer(*panel).m_right_edit, "120");
    WaitForCommands(after_drag + 1);
    EXPECT_EQ(Commands().back(), "r220");
    EXPECT_EQ(BoardValue("right"), 120);

    // Send All: the board's state equals the five boxes.
    QTest::mouseClick(Peer(*panel).m_send_all_button, Qt::LeftButton);
    WaitForCommands(after_drag + 6);
    EXPECT_EQ(BoardValue("left"), Peer(*panel).m_left_edit->text().toInt());
    EXPECT_EQ(BoardValue("right"), Peer(*panel).m_right_edit->text().toInt());
    EXPECT_EQ(BoardValue("duty"), Peer(*panel).m_duty_edit->text().toInt());
    EXPECT_EQ(BoardValue("smooth"), Peer(*panel).m_smooth_edit->text().toInt());
    EXPECT_EQ(BoardValue("off"), Peer(*panel).m_offtime_edit->text().toInt());
    EXPECT_EQ(no_pauses.pauses, (std::vector<unsigned>{50, 50, 50, 50, 50}));

    // Start and Stop.
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::LeftButton);
    WaitForCommands(after_drag + 7);
    EXPECT_TRUE(WaitForCommands(0).back().value(QLatin1String("running")).toBool());
    QTest::mouseClick(Peer(*panel).m_stop_button, Qt::LeftButton);
    WaitForCommands(after_drag + 8);
    EXPECT_FALSE(WaitForCommands(0).back().value(QLatin1String("running")).toBool());

    // Group 6 (left and right time) one step up with the forward side button.
    for (int i = 0; i < 6; ++i) ClickClient(Qt::RightButton, QPoint(700, 300));
    ASSERT_EQ(Peer(*panel).m_selected, 6);
    ClickClient(Qt::ForwardButton, QPoint(700, 300));
    WaitForCommands(after_drag + 10);
    EXPECT_EQ(BoardValue("left"), 72);
    EXPECT_EQ(BoardValue("right"), 130);
    EXPECT_EQ(Peer(*panel).m_left_edit->text(), "72");

    // Disconnect: nothing more reaches the board.
    ClickUsb();
    EXPECT_EQ(Peer(*panel).m_connected, 0);
    EXPECT_EQ(Peer(*panel).m_status2, "2. Disconnected");
    const std::size_t seen = Commands().size();
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::LeftButton);
    EXPECT_EQ(Peer(*panel).m_status1, "1. Can't send, the comm port is not connected");
    WaitForCommands(0);
    EXPECT_EQ(Commands().size(), seen);
}

TEST_F(EndToEnd, AnUnpluggedBoardIsReportedAndTheProgramCarriesOn) {
    ConnectWithoutPauses();
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::LeftButton);
    ASSERT_EQ(WaitForCommands(1).size(), 1u);

    board.Kill();
    QTest::mouseClick(Peer(*panel).m_stop_button, Qt::LeftButton);
    EXPECT_EQ(Peer(*panel).m_status3, "3.  Send failed - s110: Input/output error");
    QTest::mouseClick(Peer(*panel).m_send_all_button, Qt::LeftButton);
    EXPECT_EQ(Peer(*panel).m_status3.rfind("3.  Send failed - o601: ", 0), 0u);
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
