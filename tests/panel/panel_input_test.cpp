// The Enter key in the edit boxes, the side and right mouse buttons, and the push buttons.

#include <QClipboard>

#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

const char* const kNotConnected1 = "1. Can't send, the comm port is not connected";
const char* const kNotConnected2 = "2. Click on the USB symbol to connect";

struct EnterCase {
    int parameter;
    const char* text;
    const char* sent;
    int thumb;  // position afterwards
};

class EnterKey : public PanelTest, public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterKey, MovesTheThumbSendsTheNumberAsTypedAndKeepsTheText) {
    const EnterCase& c = GetParam();
    Connect();
    QLineEdit* edit = Edit(c.parameter);
    edit->setText(QString::fromUtf8(c.text));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(Writes(), (std::vector<std::string>{c.sent}));
    EXPECT_EQ(Bar(c.parameter)->value(), c.thumb);
    EXPECT_EQ(edit->text(), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EnterKey,
    testing::Values(EnterCase{kLeftTime, "500", "l600", 0}, EnterCase{kDutyCycle, "250", "y200", 1},
                    EnterCase{kDutyCycle, "-7", "y100", 100},
                    EnterCase{kLeftTime, "abc", "l100", 150},
                    EnterCase{kLeftTime, "99999999999", "l100", 150},
                    EnterCase{kLeftTime, "-5", "l95", 150}, EnterCase{kRightTime, "", "r100", 150},
                    EnterCase{kSmoothStart, "20", "m120", 131},
                    EnterCase{kOffTime, "1001", "o1101", 0}, EnterCase{kOffTime, "1", "o101", 1000},
                    // Held at the int limit instead of overflowing.
                    EnterCase{kLeftTime, "2147483647", "l2147483647", 0},
                    EnterCase{kLeftTime, "-2147483648", "l-2147483548", 150}));

TEST_F(PanelTest, KeypadEnterWorksAndEnterElsewhereAppliesNothing) {
    Connect();
    panel->m_right_edit->setText("100");
    QTest::keyClick(panel->m_right_edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"r200"}));
    QTest::keyClick(panel->m_start_button, Qt::Key_Return);
    QTest::keyClick(panel.get(), Qt::Key_Return);
    EXPECT_EQ(Writes().size(), 1u);
}

TEST_F(PanelTest, EnterWithAutoSendOffMovesOnlyAndNotConnectedReports) {
    Connect();
    panel->m_auto_send_check->setChecked(false);
    panel->m_left_edit->setText("100");
    QTest::keyClick(panel->m_left_edit, Qt::Key_Return);
    EXPECT_EQ(Bar(kLeftTime)->value(), 51);
    EXPECT_TRUE(Writes().empty());

    Click(Qt::LeftButton, kUsbCentre);  // disconnect
    panel->m_auto_send_check->setChecked(true);
    panel->m_left_edit->setText("20");
    QTest::keyClick(panel->m_left_edit, Qt::Key_Return);
    EXPECT_EQ(Bar(kLeftTime)->value(), 131);
    EXPECT_EQ(panel->m_status1, kNotConnected1);
    EXPECT_EQ(panel->m_status2, kNotConnected2);
    EXPECT_EQ(panel->m_status3, "3. ...");
    EXPECT_TRUE(Writes().empty());
}

TEST_F(PanelTest, EditBoxesTakeOnlyDigitsWhenTypedButPastedTextGoesIn) {
    Connect();
    QLineEdit* edit = panel->m_left_edit;
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, "1a2- 3.");
    EXPECT_EQ(edit->text(), "123");
    EXPECT_EQ(edit->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

    QApplication::clipboard()->setText("abc");
    edit->clear();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "abc");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"l100"}));
}

class SideButtons : public PanelTest {
protected:
    void Side(Qt::MouseButton button) { Click(button, kEmptySpot); }
    void Select(int group) {
        while (panel->m_selected != group) Click(Qt::RightButton, kEmptySpot);
    }
};

TEST_F(SideButtons, StepDownStopsAtOneAndSendsAgainThere) {
    Connect();
    SetValue(kLeftTime, 5);
    Side(Qt::BackButton);
    EXPECT_EQ(Value(kLeftTime), 1);
    EXPECT_EQ(Edit(kLeftTime)->text(), "1");
    Side(Qt::BackButton);
    EXPECT_EQ(Value(kLeftTime), 1);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"l101", "l101"}));
    Side(Qt::ForwardButton);
    EXPECT_EQ(Value(kLeftTime), 11);
}

TEST_F(SideButtons, OffTimeStepsByAHundredUpToItsLimit) {
    Connect();
    Select(4);
    SetValue(kOffTime, 950);
    Side(Qt::ForwardButton);
    EXPECT_EQ(Value(kOffTime), 1001);
    SetValue(kOffTime, 500);
    Side(Qt::ForwardButton);
    EXPECT_EQ(Value(kOffTime), 600);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"o1101", "o700"}));
}

TEST_F(SideButtons, GroupsMoveTogetherByTheSmallestMove) {
    Connect();
    Select(6);
    SetValue(kLeftTime, 145);
    SetValue(kRightTime, 61);
    Side(Qt::ForwardButton);
    EXPECT_EQ(Value(kLeftTime), 151);
    EXPECT_EQ(Value(kRightTime), 67);
    EXPECT_EQ(Edit(kRightTime)->text(), "67");
    EXPECT_EQ(Writes(), (std::vector<std::string>{"l251", "r167"}));

    fakes.serial.writes.clear();
    Select(7);
    SetValue(kLeftTime, 30);
    SetValue(kRightTime, 5);
    SetValue(kDutyCycle, 50);
    Side(Qt::BackButton);
    EXPECT_EQ(Value(kLeftTime), 26);
    EXPECT_EQ(Value(kRightTime), 1);
    EXPECT_EQ(Value(kDutyCycle), 46);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"l126", "r101", "y146"}));
}

TEST_F(SideButtons, GroupEightStartsAndStopsOrReportsNotConnected) {
    Select(8);
    Side(Qt::ForwardButton);
    EXPECT_EQ(panel->m_status1, kNotConnected1);
    EXPECT_EQ(panel->m_status2, kNotConnected2);
    EXPECT_TRUE(Writes().empty());
    Connect();
    Side(Qt::ForwardButton);
    Side(Qt::BackButton);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"s120", "s110"}));
}

TEST_F(SideButtons, NotConnectedAStepMovesAndTheLinkRefuses) {
    Side(Qt::ForwardButton);
    EXPECT_EQ(Value(kLeftTime), 71);
    EXPECT_EQ(Edit(kLeftTime)->text(), "71");
    EXPECT_EQ(panel->m_status3, "3. Can't send, the comms port is not open");
    EXPECT_EQ(panel->m_status1, "1...");
}

TEST_F(SideButtons, AnOutOfRangeGroupBecomesFiveAndThePressDoesNothingElse) {
    Connect();
    panel->m_selected = 9;
    Side(Qt::ForwardButton);
    EXPECT_EQ(panel->m_selected, 5);
    EXPECT_TRUE(Writes().empty());
    Side(Qt::ForwardButton);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"l171"}));
}

TEST_F(SideButtons, OnTheEdgeTheyShowTheNonClientBox) {
    QTest::mouseClick(panel.get(), Qt::BackButton, Qt::NoModifier, QPoint(0, 300));
    QTest::mouseClick(panel.get(), Qt::ForwardButton, Qt::NoModifier, QPoint(400, 1));
    ASSERT_EQ(fakes.messages.shown.size(), 2u);
    EXPECT_EQ(fakes.messages.shown[0],
              (ShownMessage{"OnNcXButtonDown Mouse button 1", MessageIcon::None}));
    EXPECT_EQ(fakes.messages.shown[1].text, "OnNcXButtonDown Mouse button 2");
    EXPECT_EQ(Value(kLeftTime), 61);
    EXPECT_EQ(panel->m_status3, "3...");
}

TEST_F(PanelTest, RightClicksCycleTheGroupsOnlyOnTheClientArea) {
    panel->m_selected = 8;
    Click(Qt::RightButton, kEmptySpot);
    EXPECT_EQ(panel->m_selected, 0);
    for (int i = 0; i < 8; ++i) Click(Qt::RightButton, kEmptySpot);
    EXPECT_EQ(panel->m_selected, 8);
    panel->m_selected = -3;
    Click(Qt::RightButton, kEmptySpot);
    EXPECT_EQ(panel->m_selected, -2);
    panel->m_selected = std::numeric_limits<int>::max();
    Click(Qt::RightButton, kEmptySpot);
    EXPECT_EQ(panel->m_selected, 0);

    // On a control or on the edge the press is not the panel's.
    QTest::mouseClick(panel->m_start_button, Qt::RightButton);
    QTest::mouseClick(panel->m_auto_send_check, Qt::RightButton);
    QTest::mouseClick(panel.get(), Qt::RightButton, Qt::NoModifier, QPoint(1, 300));
    EXPECT_EQ(panel->m_selected, 0);
}

TEST_F(PanelTest, SendAllSendsTheFiveThumbsWithPausesOrReportsNotConnected) {
    panel->m_left_edit->setText("99");  // typed without Enter: not sent
    QTest::mouseClick(panel->m_send_all_button, Qt::LeftButton);
    EXPECT_EQ(panel->m_status1, kNotConnected1);
    EXPECT_EQ(panel->m_status2, kNotConnected2);
    EXPECT_EQ(panel->m_status3, "3. ...");
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(fakes.sleeper.pauses.empty());

    Connect();
    panel->m_auto_send_check->setChecked(false);  // Send All does not look at it
    QTest::mouseClick(panel->m_send_all_button, Qt::LeftButton);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"l161", "r161", "y131", "m106", "o601"}));
    EXPECT_EQ(fakes.sleeper.pauses, (std::vector<unsigned>{50, 50, 50, 50, 50}));
    EXPECT_EQ(panel->m_status3, "3.  4 bytes sent - o601");
    EXPECT_EQ(panel->m_left_edit->text(), "99");
}

TEST_F(PanelTest, StartAndStopIgnoreAutoSendButNeedAConnection) {
    QTest::mouseClick(panel->m_stop_button, Qt::LeftButton);
    EXPECT_EQ(panel->m_status1, kNotConnected1);
    EXPECT_TRUE(Writes().empty());
    Connect();
    panel->m_auto_send_check->setChecked(false);
    QTest::mouseClick(panel->m_start_button, Qt::LeftButton);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"s120"}));
}

// The member follows the check box only at a scroll code, at Enter and after a side button.
TEST_F(PanelTest, AutoSendIsReadFromTheCheckBoxAtThreePointsOnly) {
    Connect();
    QTest::mouseClick(panel->m_auto_send_check, Qt::LeftButton);
    ASSERT_FALSE(panel->m_auto_send_check->isChecked());
    QTest::mouseClick(panel->m_send_all_button, Qt::LeftButton);
    QTest::mouseClick(panel->m_start_button, Qt::LeftButton);
    Click(Qt::RightButton, kEmptySpot);
    Click(Qt::LeftButton, kEmptySpot);
    panel->resize(900, 650);
    panel->repaint();
    EXPECT_EQ(panel->m_auto_send, 1);

    QTest::keyClick(panel->m_stop_button, Qt::Key_Return);  // Enter anywhere in the panel
    EXPECT_EQ(panel->m_auto_send, 0);

    panel->m_auto_send_check->setChecked(true);
    panel->OnVScroll(kEndScroll, 0, panel->m_smooth_scroll);
    EXPECT_EQ(panel->m_auto_send, 1);
    EXPECT_EQ(Writes().back(), "m106");

    // A side button sends whatever the member holds, then reads the box.
    panel->m_auto_send_check->setChecked(false);
    fakes.serial.writes.clear();
    Click(Qt::RightButton, kEmptySpot);
    while (panel->m_selected != 0) Click(Qt::RightButton, kEmptySpot);
    Click(Qt::ForwardButton, kEmptySpot);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"l171"}));
    EXPECT_EQ(panel->m_auto_send, 0);
}

}  // namespace
}  // namespace kavel::test
