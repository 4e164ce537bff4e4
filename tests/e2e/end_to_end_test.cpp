// The real panel, the real serial device and settings files, and kavel-board on a
// pseudo-terminal: what a user does, and what the board sees.

#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>

#include "tests/e2e/real_panel_test.h"

namespace kavel::test {
namespace {

class EndToEnd : public RealPanelTest {
protected:
    void SetUp() override {  // the board's first line names the port
        const QByteArray first = QByteArray::fromStdString(board.ReadLine().value_or(""));
        const QString port = QJsonDocument::fromJson(first).object().value("port").toString();
        ASSERT_FALSE(port.isEmpty());
        ASSERT_NO_FATAL_FAILURE(UsePort(port.toStdString()));
    }
    // Waits until at least count commands arrived (or a deadline passed); returns the board's
    // state after each command received so far.
    std::vector<QJsonObject> States(std::size_t count = 0) {
        const auto states = [](const BoardProcess::Lines& lines) {
            std::vector<QJsonObject> objects;
            for (const std::string& line : lines) {
                const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line));
                if (doc.isObject()) objects.push_back(doc.object());
            }
            return objects;
        };
        return states(
            board.WaitFor([&](const auto& lines) { return states(lines).size() >= count; }));
    }
    // Every command received so far ("l162", ...), once at least count came.
    std::vector<std::string> Commands(std::size_t count = 0) {
        std::vector<std::string> commands;
        for (const QJsonObject& state : States(count))
            commands.push_back(state.value("last").toString().toStdString());
        return commands;
    }
    int Board(const char* field) { return States().back().value(QLatin1String(field)).toInt(-1); }

    BoardProcess board{KAVEL_BOARD_PATH, {"--json"}};
};

TEST_F(EndToEnd, AUserSessionMovesTheBoardAlong) {
    ConnectWithoutPauses();
    const ChildViewPeer peer = Peer(*panel);
    // One click on the LeftTime up arrow: the board sees 62 twice.
    QTest::mouseClick(peer.m_left_scroll, Qt::LeftButton, {},
                      ScrollBarPart(peer.m_left_scroll, QStyle::SC_ScrollBarSubLine).center());
    EXPECT_EQ(Commands(2), (std::vector<std::string>{"l162", "l162"}));
    EXPECT_EQ(Board("left"), 62);

    // Dragging the off time thumb up: two tracks, the position and the end; the board follows
    // to the value the box shows.
    const QPoint grip = ScrollBarPart(peer.m_offtime_scroll, QStyle::SC_ScrollBarSlider).center();
    SendMouse(peer.m_offtime_scroll, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    SendMouse(peer.m_offtime_scroll, QEvent::MouseMove, grip - QPoint(0, 30), Qt::LeftButton);
    SendMouse(peer.m_offtime_scroll, QEvent::MouseMove, grip - QPoint(0, 60), Qt::LeftButton);
    SendMouse(peer.m_offtime_scroll, QEvent::MouseButtonRelease, grip - QPoint(0, 60),
              Qt::NoButton);
    const int off = peer.m_offtime_edit->text().toInt();
    EXPECT_GT(off, 501);
    EXPECT_EQ(Commands(6).back(), "o" + std::to_string(off + 100));
    EXPECT_EQ(Board("off"), off);

    Type(peer.m_right_edit, "120");  // a number typed into a box and Enter
    EXPECT_EQ(Commands(7).back(), "r220");

    // Send All: the board's state equals the five boxes, 50 ms after each command.
    QTest::mouseClick(peer.m_send_all_button, Qt::LeftButton);
    States(12);
    const std::pair<const char*, QLineEdit*> boxes[] = {{"left", peer.m_left_edit},
                                                        {"right", peer.m_right_edit},
                                                        {"duty", peer.m_duty_edit},
                                                        {"smooth", peer.m_smooth_edit},
                                                        {"off", peer.m_offtime_edit}};
    for (const auto& [field, box] : boxes) EXPECT_EQ(Board(field), box->text().toInt()) << field;
    EXPECT_EQ(no_pauses.pauses, (std::vector<unsigned>{50, 50, 50, 50, 50}));

    // Disconnect: nothing more reaches the board.
    ClickUsb();
    QTest::mouseClick(peer.m_start_button, Qt::LeftButton);
    EXPECT_EQ(Commands().size(), 12u);
}

TEST_F(EndToEnd, AnUnpluggedBoardIsReportedAndTheProgramCarriesOn) {
    ConnectWithoutPauses();
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::LeftButton);
    ASSERT_EQ(States(1).size(), 1u);

    board.Signal(SIGKILL);  // as an unplugged cable would
    ASSERT_TRUE(board.Wait());
    QTest::mouseClick(Peer(*panel).m_stop_button, Qt::LeftButton);
    EXPECT_EQ(Peer(*panel).m_status3, "3.  Send failed - s110: Input/output error");
    QTest::mouseClick(Peer(*panel).m_send_all_button, Qt::LeftButton);
    EXPECT_EQ(Peer(*panel).m_status3.rfind("3.  Send failed - o601: ", 0), 0u);
    panel->repaint();  // still paints

    // Disconnecting and connecting again to the vanished board fails cleanly.
    ClickUsb();
    EXPECT_EQ(Peer(*panel).m_status2, "2. Disconnected");
    ClickUsb();
    EXPECT_EQ(Peer(*panel).m_status1 + "|" + Peer(*panel).m_status2,
              "1. Connect|2. Connect failed");
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().text.rfind("Can't open com port", 0), 0u);
}

}  // namespace
}  // namespace kavel::test
