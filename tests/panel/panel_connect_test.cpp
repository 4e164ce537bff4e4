// The USB symbol: where a click counts, connecting, failing to, and disconnecting.

#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

struct HitCase {
    QPoint point;
    bool on_symbol;
    const char* report;
};

class UsbHitBox : public PanelTest, public testing::WithParamInterface<HitCase> {};

TEST_P(UsbHitBox, EdgesAreInclusiveOnePixelPastThePicture) {
    const HitCase& c = GetParam();
    Click(Qt::LeftButton, c.point);
    EXPECT_EQ(panel->m_connected, c.on_symbol ? 1 : 0);
    EXPECT_EQ(panel->m_status3, c.report);
    EXPECT_EQ(fakes.serial.opened_paths.size(), c.on_symbol ? 1u : 0u);
    EXPECT_EQ(panel->m_status2, c.on_symbol ? "2. Connected" : "2...");
}

INSTANTIATE_TEST_SUITE_P(Points, UsbHitBox,
                         testing::Values(HitCase{{100, 470}, true, "3. Left click 100 470 "},
                                         HitCase{{50, 420}, true, "3. Left click 50 420 "},
                                         HitCase{{101, 470}, false, "3. Left click 101 470 "},
                                         HitCase{{100, 471}, false, "3. Left click 100 471 "},
                                         HitCase{{49, 445}, false, "3. Left click 49 445 "},
                                         HitCase{{75, 419}, false, "3. Left click 75 419 "},
                                         HitCase{{0, 0}, false, "3. Left click 0 0 "}));

TEST_F(PanelTest, ConnectingOpensTheStoredPortAndDisconnectingClosesIt) {
    Click(Qt::LeftButton, kUsbCentre);
    EXPECT_EQ(panel->m_connected, 1);
    EXPECT_EQ(panel->m_status1, "1. Connect");
    EXPECT_EQ(panel->m_status2, "2. Connected");
    EXPECT_EQ(panel->m_status3, "3. Left click 75 445 ");
    EXPECT_EQ(fakes.serial.opened_paths, (std::vector<std::string>{"//./Com5"}));
    EXPECT_EQ(fakes.sleeper.pauses, (std::vector<unsigned>{1000, 2000, 500, 500}));
    EXPECT_TRUE(fakes.messages.shown.empty());

    Click(Qt::LeftButton, kUsbCentre);
    EXPECT_EQ(panel->m_connected, 0);
    EXPECT_EQ(panel->m_status1, "1. Disconnect");
    EXPECT_EQ(panel->m_status2, "2. Disconnected");
    EXPECT_EQ(fakes.serial.closed.size(), 1u);
    EXPECT_FALSE(panel->m_port_open);

    // A close that fails is reported, and the panel is disconnected all the same.
    Click(Qt::LeftButton, kUsbCentre);
    fakes.serial.Fail(SerialStep::Close);
    Click(Qt::LeftButton, kUsbCentre);
    EXPECT_EQ(fakes.messages.shown,
              (std::vector<ShownMessage>{{"Can't close port.", MessageIcon::None}}));
    EXPECT_EQ(panel->m_status2, "2. Disconnected");
    EXPECT_EQ(panel->m_connected, 0);
}

TEST_F(PanelTest, AFailedConnectShowsTheBoxThenKeepsTheHandleForTheNextClick) {
    fakes.serial.Fail(SerialStep::SetState);
    QString status_while_box_up;
    fakes.messages.on_show = [&](const std::string&) { status_while_box_up = panel->m_status1; };
    Click(Qt::LeftButton, kUsbCentre);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text,
              "SetCommState\nCould not set communication state \n openport aborted");
    EXPECT_EQ(fakes.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(status_while_box_up, "1. Connecting please wait");
    EXPECT_EQ(panel->m_status1, "1. Connect");
    EXPECT_EQ(panel->m_status2, "2. Connect failed");
    EXPECT_EQ(panel->m_connected, 0);
    EXPECT_TRUE(panel->m_port_open);

    fakes.serial.Succeed(SerialStep::SetState);
    Click(Qt::LeftButton, kUsbCentre);
    EXPECT_EQ(panel->m_connected, 1);
    EXPECT_EQ(panel->m_status2, "2. Connected");
    EXPECT_EQ(fakes.serial.opened_paths.size(), 1u) << "the held handle is reused";
}

TEST_F(PanelTest, WithoutTheSettingsKeyTheConnectFailsWithItsBox) {
    fakes.settings.keys.clear();
    Click(Qt::LeftButton, kUsbCentre);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text,
              "Unable read the comm port name from the registry.\n"
              "Please check the port settings ?");
    EXPECT_EQ(panel->m_status2, "2. Connect failed");
    EXPECT_FALSE(panel->m_port_open);
}

// The second press of a double click belongs to default processing: it does not toggle.
TEST_F(PanelTest, TheSecondPressOfADoubleClickDoesNothing) {
    Click(Qt::LeftButton, kUsbCentre);
    ASSERT_EQ(panel->m_connected, 1);
    SendMouse(panel.get(), QEvent::MouseButtonDblClick, At(kUsbCentre), Qt::LeftButton,
              Qt::LeftButton);
    EXPECT_EQ(panel->m_connected, 1);
}

TEST(PanelLifetime, DestroyingTheConnectedPanelClosesThePortOnce) {
    FakeServices fakes;
    fakes.settings.Put(std::string(record::kKeyPath), std::string(record::kPort), "Com5");
    {
        CChildView panel(fakes.services());
        panel.OnLButtonDown(kUsbCentre);
        ASSERT_EQ(panel.m_connected, 1);
    }
    EXPECT_EQ(fakes.serial.closed.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

}  // namespace
}  // namespace kavel::test
