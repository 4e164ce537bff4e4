// The scroll bars: every interaction moves the thumb through the panel and ends with the
// end-of-scroll code, which sends the value once more.

#include <QMenu>
#include <QTimer>
#include <QWheelEvent>

#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

class ScrollBars : public PanelTest {
protected:
    void ClickPart(int p, QStyle::SubControl part) {
        QTest::mouseClick(Bar(p), Qt::LeftButton, Qt::NoModifier,
                          ScrollBarPart(Bar(p), part).center());
    }
    void Wheel(int p, int delta) {
        const QPoint middle = Bar(p)->rect().center();
        QWheelEvent event(middle, Bar(p)->mapToGlobal(middle), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Bar(p), &event);
    }
};

TEST_F(ScrollBars, OneArrowClickSendsTheSameCommandTwice) {
    Connect();
    ClickPart(kLeftTime, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(Writes(), (Cmds{"l162", "l162"}));
    EXPECT_EQ(Edit(kLeftTime)->text(), "62");
    EXPECT_EQ(Peer(*panel).m_status3, "3.  4 bytes sent - l162");
    ClickPart(kLeftTime, QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(Value(kLeftTime), 61);
}

TEST_F(ScrollBars, PagesAndKeysMoveAndStopAtTheEnds) {
    Connect();
    ClickPart(kDutyCycle, QStyle::SC_ScrollBarSubPage);  // above the thumb: value up by 10
    EXPECT_EQ(Writes(), (Cmds{"y141", "y141"}));
    SetValue(kDutyCycle, 95);
    ClickPart(kDutyCycle, QStyle::SC_ScrollBarSubPage);
    ClickPart(kDutyCycle, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(Value(kDutyCycle), 101);
    EXPECT_EQ(Writes().back(), "y201") << "sent again at the bound";
    SetValue(kSmoothStart, 3);
    ClickPart(kSmoothStart, QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(Value(kSmoothStart), 1);

    fakes.serial.writes.clear();
    QTest::keyClick(Bar(kOffTime), Qt::Key_Home);
    QTest::keyClick(Bar(kOffTime), Qt::Key_PageDown);
    QTest::keyClick(Bar(kOffTime), Qt::Key_Down);
    QTest::keyClick(Bar(kOffTime), Qt::Key_End);
    EXPECT_EQ(Writes(),
              (Cmds{"o1101", "o1101", "o1091", "o1091", "o1090", "o1090", "o101", "o101"}));
}

TEST_F(ScrollBars, DraggingTracksThenEndsWithPositionAndEnd) {
    Connect();
    QScrollBar* bar = Bar(kRightTime);
    const QPoint grip = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    SendMouse(bar, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    SendMouse(bar, QEvent::MouseMove, grip - QPoint(0, 40), Qt::LeftButton);
    SendMouse(bar, QEvent::MouseMove, QPoint(grip.x(), -500), Qt::LeftButton);
    EXPECT_EQ(Edit(kRightTime)->text(), "151");
    SendMouse(bar, QEvent::MouseButtonRelease, QPoint(grip.x(), -500), Qt::NoButton);
    const Cmds writes = Writes();
    ASSERT_EQ(writes.size(), 4u);
    const int first = std::stoi(writes[0].substr(1));
    EXPECT_TRUE(first > 161 && first < 251) << writes[0];
    EXPECT_EQ(Cmds(writes.begin() + 1, writes.end()), (Cmds{"r251", "r251", "r251"}));
}

TEST_F(ScrollBars, AWheelNotchIsLineStepsThenOneEndAndHalfNotchesAddUp) {
    Connect();
    const int lines = QApplication::wheelScrollLines();
    Wheel(kLeftTime, 120);
    EXPECT_EQ(Value(kLeftTime), 61 + lines);
    EXPECT_EQ(Writes().size(), static_cast<std::size_t>(lines + 1));
    Wheel(kLeftTime, -60);
    EXPECT_EQ(Value(kLeftTime), 61 + lines);
    Wheel(kLeftTime, -60);
    EXPECT_EQ(Value(kLeftTime), 61);
    fakes.serial.writes.clear();
    Wheel(kLeftTime, -2147483647);  // a freak turn is cut to the range
    EXPECT_EQ(Value(kLeftTime), 1);
    EXPECT_LE(Writes().size(), 152u);
}

TEST_F(ScrollBars, TheContextMenusTopScrollsThroughThePanel) {
    Connect();
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
            if (action->text() == "Top") menu->setActiveAction(action);
        }
        if (menu) QTest::keyClick(menu, Qt::Key_Return);
    });
    QScrollBar* bar = Bar(kSmoothStart);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 100),
                            bar->mapToGlobal(QPoint(5, 100)));
    QApplication::sendEvent(bar, &event);
    EXPECT_EQ(Writes(), (Cmds{"m251", "m251"}));
}

TEST_F(ScrollBars, AutoSendOffMovesAndShowsButSendsNothingAndUnconnectedTheLinkRefuses) {
    Connect();
    Peer(*panel).m_auto_send_check->setChecked(false);
    ClickPart(kLeftTime, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(Edit(kLeftTime)->text(), "62");
    EXPECT_TRUE(Writes().empty());

    Click(Qt::LeftButton, kUsbCentre);  // disconnect
    Peer(*panel).m_auto_send_check->setChecked(true);
    ClickPart(kLeftTime, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(Edit(kLeftTime)->text(), "63");
    EXPECT_EQ(Peer(*panel).m_status3, kLinkRefusal);
}

// Codes the mouse does not make here; nPos beyond the track stops at its end.
TEST_F(PanelTest, ThumbCodesAndUnknownCodesKeepTheThumbInRange) {
    Connect();
    const std::vector<std::array<int, 3>> cases = {// code, nPos, value afterwards
                                                   {kThumbTrack, 0, 151}, {kThumbPosition, 150, 1},
                                                   {kThumbTrack, 500, 1}, {kThumbTrack, -3, 151},
                                                   {kEndScroll, 20, 151}, {99, 20, 151}};
    for (const auto& [code, position, value] : cases) {
        panel->OnVScroll(code, position, Bar(kLeftTime));
        EXPECT_EQ(Value(kLeftTime), value) << code << " " << position;
        EXPECT_EQ(Writes().back(), "l" + std::to_string(value + 100));
    }
}

}  // namespace
}  // namespace kavel::test
