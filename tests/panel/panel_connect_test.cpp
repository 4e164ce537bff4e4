// The USB symbol: where a click counts, connecting, failing to, and disconnecting.

#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

TEST_F(PanelTest, TheSymbolsEdgesAreInclusiveOnePixelPastThePicture) {
    const std::vector<std::pair<QPoint, bool>> clicks = {{{101, 470}, false}, {{100, 471}, false},
                                                         {{49, 445}, false},  {{75, 419}, false},
                                                         {{100, 470}, true},  {{50, 420}, true}};
    for (const auto& [point, on_symbol] : clicks) {
        const int before = Peer(*panel).m_connected;
        Click(Qt::LeftButton, point);
        EXPECT_EQ(Peer(*panel).m_connected != before, on_symbol) << point.x() << "," << point.y();
        EXPECT_EQ(Peer(*panel).m_status3, QString("3. Left click %1 %2 ").arg(point.x()).arg(point.y()));
    }
    EXPECT_EQ(fakes.serial.opened_paths, (Cmds{"//./Com5"}));
}

TEST_F(PanelTest, ConnectingAndDisconnectingReportInTheStatusLines) {
    Click(Qt::LeftButton, kUsbCentre);
    EXPECT_EQ(Peer(*panel).m_status1, "1. Connect");
    EXPECT_EQ(Peer(*panel).m_status2, "2. Connected");
    EXPECT_EQ(fakes.sleeper.pauses, (std::vector<unsigned>{1000, 2000, 500, 500}));
    Click(Qt::LeftButton, kUsbCentre);
    EXPECT_EQ(Peer(*panel).m_status1, "1. Disconnect");
    EXPECT_EQ(Peer(*panel).m_status2, "2. Disconnected");
    EXPECT_EQ(fakes.serial.closed.size(), 1u);

    Click(Qt::LeftButton, kUsbCentre);
    fakes.serial.Fail(SerialStep::Close);  // a failed close is reported; disconnected anyway
    Click(Qt::LeftButton, kUsbCentre);
    EXPECT_EQ(fakes.messages.shown,
              (std::vector<ShownMessage>{{"Can't close port.", MessageIcon::None}}));
    EXPECT_EQ(Peer(*panel).m_status2, "2. Disconnected");
    EXPECT_EQ(Peer(*panel).m_connected, 0);
}

TEST_F(PanelTest, AFailedConnectShowsTheBoxThenTheNextClickReusesTheHandle) {
    fakes.serial.Fail(SerialStep::SetState);
    QString status_while_box_up;
    fakes.messages.on_show = [&](const std::string&) { status_while_box_up = Peer(*panel).m_status1; };
    Click(Qt::LeftButton, kUsbCentre);
    EXPECT_EQ(fakes.messages.shown,
              (std::vector<ShownMessage>{
                  {"SetCommState\nCould not set communication state \n openport aborted",
                   MessageIcon::Error}}));
    EXPECT_EQ(status_while_box_up, "1. Connecting please wait");
    EXPECT_EQ(Peer(*panel).m_status1, "1. Connect");
    EXPECT_EQ(Peer(*panel).m_status2, "2. Connect failed");
    EXPECT_EQ(Peer(*panel).m_connected, 0);

    fakes.serial.Succeed(SerialStep::SetState);
    Click(Qt::LeftButton, kUsbCentre);
    EXPECT_EQ(Peer(*panel).m_status2, "2. Connected");
    EXPECT_EQ(fakes.serial.opened_paths.size(), 1u);
}

// The second press of a double click goes to default processing: it does not toggle.
TEST_F(PanelTest, TheSecondPressOfADoubleClickDoesNothing) {
    Click(Qt::LeftButton, kUsbCentre);
    QMouseEvent second(QEvent::MouseButtonDblClick, At(kUsbCentre),
                       panel->mapToGlobal(At(kUsbCentre)), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(panel.get(), &second);
    EXPECT_EQ(Peer(*panel).m_connected, 1);
}

TEST(PanelLifetime, DestroyingTheConnectedPanelClosesThePortOnceWithoutAMessage) {
    FakeServices fakes;
    fakes.settings.Put(std::string(record::kKeyPath), std::string(record::kPort), "Com5");
    {
        CChildView panel(fakes.services());
        panel.OnLButtonDown(kUsbCentre);
        ASSERT_EQ(Peer(panel).m_connected, 1);
    }
    EXPECT_EQ(fakes.serial.closed.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

}  // namespace
}  // namespace kavel::test
