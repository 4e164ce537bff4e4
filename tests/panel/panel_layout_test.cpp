// The panel's controls: where they are, what they start with, when they show.

#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

TEST_F(PanelTest, StartsWithTheInitialValuesAutoSendCheckedAndTheLeftGroup) {
    const std::array<const char*, 5> initial = {"61", "61", "31", "6", "501"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Edit(i)->text(), initial[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(panel->m_auto_send_check->isChecked());
    EXPECT_EQ(panel->m_auto_send_check->text(), "Auto send");
    EXPECT_EQ(panel->m_auto_send, 1);
    EXPECT_EQ(panel->m_selected, 0);
    EXPECT_EQ(panel->m_connected, 0);
    EXPECT_EQ(panel->m_status1, "1...");
    EXPECT_EQ(panel->m_status2, "2...");
    EXPECT_EQ(panel->m_status3, "3...");
    EXPECT_TRUE(Writes().empty());
}

TEST_F(PanelTest, ControlsSitAtTheirClientRectanglesInsideTheEdge) {
    struct Placed {
        QWidget* control;
        QRect client;
    };
    const std::vector<Placed> placed = {
        {panel->m_left_edit, QRect(79, 110, 70, 30)},
        {panel->m_right_edit, QRect(185, 110, 70, 30)},
        {panel->m_duty_edit, QRect(295, 110, 70, 30)},
        {panel->m_smooth_edit, QRect(405, 110, 70, 30)},
        {panel->m_offtime_edit, QRect(515, 110, 70, 30)},
        {panel->m_auto_send_check, QRect(150, 430, 150, 30)},
        {panel->m_send_all_button, QRect(350, 430, 150, 30)},
        {panel->m_start_button, QRect(550, 430, 100, 30)},
        {panel->m_stop_button, QRect(700, 430, 100, 30)},
    };
    for (const Placed& p : placed) {
        EXPECT_EQ(p.control->geometry(), p.client.translated(2, 2)) << p.client.x();
    }
    const std::array<int, 5> lefts = {102, 210, 320, 430, 540};
    for (int i = 0; i < 5; ++i) {
        const QRect bar = Bar(i)->geometry();
        EXPECT_EQ(bar.left(), lefts[static_cast<std::size_t>(i)] + 2);
        EXPECT_EQ(bar.top(), 152);
        EXPECT_EQ(bar.height(), 250);
        EXPECT_EQ(bar.width(), Bar(i)->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    }
    EXPECT_EQ(panel->m_send_all_button->text(), "Send All");
    EXPECT_EQ(panel->m_start_button->text(), "Start");
    EXPECT_EQ(panel->m_stop_button->text(), "Stop");
    EXPECT_EQ(panel->contentsRect().topLeft(), QPoint(2, 2));
    EXPECT_GE(panel->sizeHint().width(), 820);
    EXPECT_GE(panel->sizeHint().height(), 580);
}

TEST_F(PanelTest, ResizingMovesNothingAndRewritesTypedDigits) {
    const QRect stop = panel->m_stop_button->geometry();
    panel->m_left_edit->setText("123");
    panel->resize(500, 300);
    EXPECT_EQ(panel->m_stop_button->geometry(), stop);
    EXPECT_EQ(panel->m_left_edit->text(), "61");
    EXPECT_TRUE(Writes().empty());
}

// The scroll bars and the check box start hidden and every paint shows them again.
TEST(PanelVisibility, ScrollBarsAndCheckBoxShowAtEveryPaint) {
    FakeServices fakes;
    CChildView panel(fakes.services());
    EXPECT_TRUE(panel.m_left_scroll->isHidden());
    EXPECT_TRUE(panel.m_offtime_scroll->isHidden());
    EXPECT_TRUE(panel.m_auto_send_check->isHidden());
    EXPECT_FALSE(panel.m_left_edit->isHidden());
    EXPECT_FALSE(panel.m_stop_button->isHidden());

    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    panel.repaint();
    EXPECT_TRUE(panel.m_left_scroll->isVisible());
    EXPECT_TRUE(panel.m_offtime_scroll->isVisible());
    EXPECT_TRUE(panel.m_auto_send_check->isVisible());
    EXPECT_EQ(panel.m_left_edit->text(), "61") << "the first resize fills the boxes";

    panel.m_duty_scroll->hide();
    panel.m_send_all_button->hide();
    panel.repaint();
    EXPECT_TRUE(panel.m_duty_scroll->isVisible());
    EXPECT_TRUE(panel.m_send_all_button->isVisible());
}

TEST_F(PanelTest, ButtonsGoThroughTheCommandRouteAndOnlyThePanelsIdsAreTaken) {
    Connect();
    QTest::mouseClick(panel->m_start_button, Qt::LeftButton);
    QTest::mouseClick(panel->m_stop_button, Qt::LeftButton);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"s120", "s110"}));
    EXPECT_TRUE(panel->OnCmdMsg(109));
    EXPECT_EQ(Writes().back(), "s120");
    for (const int id : {0, 101, 104, 272, 32773, 57664}) EXPECT_FALSE(panel->OnCmdMsg(id)) << id;
    EXPECT_EQ(Writes().size(), 3u);
}

}  // namespace
}  // namespace kavel::test
