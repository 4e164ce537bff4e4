// Enter in the edit boxes, the side and right mouse buttons, and the push buttons.

#include <QClipboard>

#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

struct EnterCase {
    int parameter;
    const char* text;
    const char* sent;
    int thumb;
};

class EnterKey : public PanelTest, public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterKey, MovesTheThumbToItsTrackSendsTheNumberAsTypedAndKeepsTheText) {
    const EnterCase& c = GetParam();
    Connect();
    Edit(c.parameter)->setText(c.text);
    QTest::keyClick(Edit(c.parameter), Qt::Key_Return);
    EXPECT_EQ(Writes(), (Cmds{c.sent}));
    EXPECT_EQ(Bar(c.parameter)->value(), c.thumb);
    EXPECT_EQ(Edit(c.parameter)->text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Texts, EnterKey,
                         testing::Values(EnterCase{kLeftTime, "500", "l600", 0},
                                         EnterCase{kDutyCycle, "250", "y200", 1},
                                         EnterCase{kDutyCycle, "-7", "y100", 100},
                                         EnterCase{kLeftTime, "-5", "l95", 150},
                                         EnterCase{kSmoothStart, "20", "m120", 131},
                                         EnterCase{kOffTime, "1", "o101", 1000},
                                         // Held at the int limit instead of overflowing.
                                         EnterCase{kLeftTime, "2147483647", "l2147483647", 0},
                                         EnterCase{kLeftTime, "-2147483648", "l-2147483548", 150}));

TEST_F(PanelTest, EnterElsewhereAppliesNothingAndAutoSendOffOrUnconnectedSendsNothing) {
    Connect();
    Peer(*panel).m_right_edit->setText("100");
    QTest::keyClick(Peer(*panel).m_right_edit, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(Peer(*panel).m_start_button, Qt::Key_Return);
    QTest::keyClick(panel.get(), Qt::Key_Return);
    EXPECT_EQ(Writes(), (Cmds{"r200"}));

    Peer(*panel).m_auto_send_check->setChecked(false);
    Peer(*panel).m_left_edit->setText("100");
    QTest::keyClick(Peer(*panel).m_left_edit, Qt::Key_Return);
    EXPECT_EQ(Bar(kLeftTime)->value(), 51);

    Click(Qt::LeftButton, kUsbCentre);  // disconnect
    Peer(*panel).m_auto_send_check->setChecked(true);
    Peer(*panel).m_left_edit->setText("20");
    QTest::keyClick(Peer(*panel).m_left_edit, Qt::Key_Return);
    EXPECT_EQ(Bar(kLeftTime)->value(), 131);
    EXPECT_EQ(Peer(*panel).m_status1, kNotConnected1);
    EXPECT_EQ(Peer(*panel).m_status2, "2. Click on the USB symbol to connect");
    EXPECT_EQ(Peer(*panel).m_status3, "3. ...");
    EXPECT_EQ(Writes(), (Cmds{"r200"}));
}

TEST_F(PanelTest, EditBoxesTakeOnlyDigitsWhenTypedButPastedTextGoesIn) {
    Connect();
    QLineEdit* edit = Peer(*panel).m_left_edit;
    edit->clear();
    QTest::keyClicks(edit, "1a2- 3.");
    EXPECT_EQ(edit->text(), "123");
    QApplication::clipboard()->setText("abc");
    edit->clear();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(Writes(), (Cmds{"l100"}));
}

class SideButtons : public PanelTest {
protected:
    void Side(Qt::MouseButton button) { Click(button, kEmptySpot); }
    void Select(int group) {
        while (Peer(*panel).m_selected != group) Click(Qt::RightButton, kEmptySpot);
    }
};

// The step sizes and bounds are the group table's own test; here that a side button steps the
// selected group through the panel and sends every member, again when held at a bound.
TEST_F(SideButtons, StepTheSelectedGroupAndSendEveryMember) {
    Connect();
    SetValue(kLeftTime, 5);
    Side(Qt::BackButton);
    Side(Qt::BackButton);
    EXPECT_EQ(Edit(kLeftTime)->text(), "1");
    Select(7);
    SetValue(kLeftTime, 30);
    SetValue(kRightTime, 5);
    SetValue(kDutyCycle, 50);
    Side(Qt::BackButton);
    EXPECT_EQ(Writes(), (Cmds{"l101", "l101", "l126", "r101", "y146"}));
    EXPECT_EQ(Value(kDutyCycle), 46);
}

TEST_F(SideButtons, GroupEightStartsAndStopsAndOtherGroupsNeedNoConnection) {
    Side(Qt::ForwardButton);  // group 0, not connected: moves, the link refuses
    EXPECT_EQ(Value(kLeftTime), 71);
    EXPECT_EQ(Peer(*panel).m_status3, kLinkRefusal);
    Select(8);
    Side(Qt::ForwardButton);
    EXPECT_EQ(Peer(*panel).m_status1, kNotConnected1);
    Connect();
    Side(Qt::ForwardButton);
    Side(Qt::BackButton);
    Peer(*panel).m_selected = -4;  // out of range: becomes 5, and that press does nothing else
    Side(Qt::ForwardButton);
    EXPECT_EQ(Peer(*panel).m_selected, 5);
    EXPECT_EQ(Writes(), (Cmds{"s120", "s110"}));
}

TEST_F(SideButtons, OnTheEdgeTheyShowTheNonClientBox) {
    QTest::mouseClick(panel.get(), Qt::BackButton, Qt::NoModifier, QPoint(0, 300));
    QTest::mouseClick(panel.get(), Qt::ForwardButton, Qt::NoModifier, QPoint(400, 1));
    EXPECT_EQ(fakes.messages.shown,
              (std::vector<ShownMessage>{{"OnNcXButtonDown Mouse button 1", MessageIcon::None},
                                         {"OnNcXButtonDown Mouse button 2", MessageIcon::None}}));
    EXPECT_EQ(Value(kLeftTime), 61);
}

TEST_F(PanelTest, RightClicksCycleTheGroupsOnlyOnTheClientArea) {
    Peer(*panel).m_selected = 8;
    Click(Qt::RightButton, kEmptySpot);
    EXPECT_EQ(Peer(*panel).m_selected, 0);
    for (int i = 0; i < 8; ++i) Click(Qt::RightButton, kEmptySpot);
    EXPECT_EQ(Peer(*panel).m_selected, 8);
    Peer(*panel).m_selected = std::numeric_limits<int>::max();
    Click(Qt::RightButton, kEmptySpot);
    EXPECT_EQ(Peer(*panel).m_selected, 0);
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::RightButton);  // passed on, not the panel's
    QTest::mouseClick(Peer(*panel).m_auto_send_check, Qt::RightButton);
    QTest::mouseClick(panel.get(), Qt::RightButton, Qt::NoModifier, QPoint(1, 300));  // edge
    EXPECT_EQ(Peer(*panel).m_selected, 0);
}

TEST_F(PanelTest, SendAllStartAndStopNeedAConnectionButNotAutoSend) {
    Peer(*panel).m_left_edit->setText("99");  // typed without Enter: not sent
    QTest::mouseClick(Peer(*panel).m_send_all_button, Qt::LeftButton);
    QTest::mouseClick(Peer(*panel).m_stop_button, Qt::LeftButton);
    EXPECT_EQ(Peer(*panel).m_status1, kNotConnected1);
    EXPECT_TRUE(Writes().empty() && fakes.sleeper.pauses.empty());

    Connect();
    Peer(*panel).m_auto_send_check->setChecked(false);
    QTest::mouseClick(Peer(*panel).m_send_all_button, Qt::LeftButton);
    EXPECT_EQ(fakes.sleeper.pauses, (std::vector<unsigned>{50, 50, 50, 50, 50}));
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::LeftButton);
    EXPECT_EQ(Writes(), (Cmds{"l161", "r161", "y131", "m106", "o601", "s120"}));
    EXPECT_FALSE(panel->OnCmdMsg(272));
    EXPECT_FALSE(panel->OnCmdMsg(0));
}

// The member follows the check box only at a scroll code, at Enter and after a side button.
TEST_F(PanelTest, AutoSendIsReadFromTheCheckBoxAtThreePointsOnly) {
    Connect();
    QTest::mouseClick(Peer(*panel).m_auto_send_check, Qt::LeftButton, Qt::NoModifier, QPoint(140, 5));
    ASSERT_FALSE(Peer(*panel).m_auto_send_check->isChecked());
    QTest::mouseClick(Peer(*panel).m_send_all_button, Qt::LeftButton);
    Click(Qt::RightButton, kEmptySpot);
    Click(Qt::LeftButton, kEmptySpot);
    panel->resize(900, 650);
    panel->repaint();
    EXPECT_EQ(Peer(*panel).m_auto_send, 1);
    QTest::keyClick(Peer(*panel).m_stop_button, Qt::Key_Return);  // Enter anywhere in the panel
    EXPECT_EQ(Peer(*panel).m_auto_send, 0);
    Peer(*panel).m_auto_send_check->setChecked(true);
    panel->OnVScroll(kEndScroll, 0, Peer(*panel).m_smooth_scroll);
    EXPECT_EQ(Peer(*panel).m_auto_send, 1);

    Peer(*panel).m_auto_send_check->setChecked(false);  // a side button sends all the same
    fakes.serial.writes.clear();
    Peer(*panel).m_selected = 0;
    Click(Qt::ForwardButton, kEmptySpot);
    EXPECT_EQ(Writes(), (Cmds{"l171"}));
    EXPECT_EQ(Peer(*panel).m_auto_send, 0);
}

}  // namespace
}  // namespace kavel::test
