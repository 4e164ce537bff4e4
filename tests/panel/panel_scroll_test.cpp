// The scroll bars: real clicks, drags, keys, wheel turns and the context menu, each ending
// with the end-of-scroll code that sends the value once more.

#include <QMenu>
#include <QTimer>
#include <QWheelEvent>

#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

class ScrollBars : public PanelTest {
protected:
    void ClickPart(int parameter, QStyle::SubControl part) {
        QScrollBar* bar = Bar(parameter);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, ScrollBarPart(bar, part).center());
    }
};

TEST_F(ScrollBars, OneArrowClickSendsTheSameCommandTwice) {
    Connect();
    ClickPart(kLeftTime, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"l162", "l162"}));
    EXPECT_EQ(Value(kLeftTime), 62);
    EXPECT_EQ(Edit(kLeftTime)->text(), "62");
    EXPECT_EQ(panel->m_status3, "3.  4 bytes sent - l162");

    ClickPart(kLeftTime, QStyle::SC_ScrollBarAddLine);
    ClickPart(kLeftTime, QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(Value(kLeftTime), 60);
    EXPECT_EQ(Writes().back(), "l160");
    EXPECT_EQ(Writes().size(), 6u);
}

TEST_F(ScrollBars, PageAreasMoveByTenAndStopAtTheEnds) {
    Connect();
    ClickPart(kDutyCycle, QStyle::SC_ScrollBarSubPage);  // above the thumb: value up
    EXPECT_EQ(Value(kDutyCycle), 41);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"y141", "y141"}));
    ClickPart(kDutyCycle, QStyle::SC_ScrollBarAddPage);
    ClickPart(kDutyCycle, QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(Value(kDutyCycle), 21);

    SetValue(kDutyCycle, 95);  // thumb at 6: a page up ends at the top
    ClickPart(kDutyCycle, QStyle::SC_ScrollBarSubPage);
    EXPECT_EQ(Value(kDutyCycle), 101);
    ClickPart(kDutyCycle, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(Value(kDutyCycle), 101);
    EXPECT_EQ(Writes().back(), "y201") << "at the bound the value is still sent";

    SetValue(kSmoothStart, 3);
    ClickPart(kSmoothStart, QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(Value(kSmoothStart), 1);
    ClickPart(kSmoothStart, QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(Value(kSmoothStart), 1);
    EXPECT_EQ(Edit(kSmoothStart)->text(), "1");
    EXPECT_EQ(Writes().back(), "m101");
}

TEST_F(ScrollBars, KeysScrollAndTheirReleaseEnds) {
    Connect();
    QScrollBar* bar = Bar(kOffTime);
    QTest::keyClick(bar, Qt::Key_Home);
    EXPECT_EQ(Value(kOffTime), 1001);
    QTest::keyClick(bar, Qt::Key_PageDown);
    EXPECT_EQ(Value(kOffTime), 991);
    QTest::keyClick(bar, Qt::Key_Down);
    EXPECT_EQ(Value(kOffTime), 990);
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(Value(kOffTime), 1);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"o1101", "o1101", "o1091", "o1091", "o1090",
                                                  "o1090", "o101", "o101"}));
}

TEST_F(ScrollBars, DraggingTheThumbTracksAndEndsWithPositionAndEnd) {
    Connect();
    QScrollBar* bar = Bar(kRightTime);
    const QPoint grip = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    SendMouse(bar, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(Writes().empty()) << "pressing the thumb moves nothing";
    SendMouse(bar, QEvent::MouseMove, grip - QPoint(0, 40), Qt::NoButton, Qt::LeftButton);
    SendMouse(bar, QEvent::MouseMove, QPoint(grip.x(), -500), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Value(kRightTime), 151);
    EXPECT_EQ(Edit(kRightTime)->text(), "151");
    SendMouse(bar, QEvent::MouseButtonRelease, QPoint(grip.x(), -500), Qt::LeftButton,
              Qt::NoButton);
    const std::vector<std::string> writes = Writes();
    ASSERT_EQ(writes.size(), 4u);  // two tracks, the final position, the end
    EXPECT_LT(writes[0], "r251");
    EXPECT_GT(writes[0], "r161");
    EXPECT_EQ(writes[1], "r251");
    EXPECT_EQ(writes[2], "r251");
    EXPECT_EQ(writes[3], "r251");
}

TEST_F(ScrollBars, AWheelNotchIsThreeLineStepsThenOneEnd) {
    Connect();
    QScrollBar* bar = Bar(kLeftTime);
    const QPoint middle = bar->rect().center();
    QWheelEvent up(QPointF(middle), QPointF(bar->mapToGlobal(middle)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &up);
    EXPECT_EQ(Value(kLeftTime), 61 + QApplication::wheelScrollLines());
    EXPECT_EQ(Writes().size(), static_cast<std::size_t>(QApplication::wheelScrollLines() + 1));
    EXPECT_EQ(Writes().back(), Writes()[Writes().size() - 2]);

    // Half notches add up; a huge turn cannot run away.
    fakes.serial.writes.clear();
    QWheelEvent half(QPointF(middle), QPointF(bar->mapToGlobal(middle)), QPoint(), QPoint(0, -60),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &half);
    EXPECT_TRUE(Writes().empty());
    QApplication::sendEvent(bar, &half);
    EXPECT_EQ(Value(kLeftTime), 61);
    QWheelEvent huge(QPointF(middle), QPointF(bar->mapToGlobal(middle)), QPoint(),
                     QPoint(0, -2147483647), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                     false);
    QApplication::sendEvent(bar, &huge);
    EXPECT_EQ(Value(kLeftTime), 1);
    EXPECT_LE(Writes().size(), 200u);
}

// The context menu's commands go through the panel like every other scroll action.
TEST_F(ScrollBars, ContextMenuTopScrollsThroughThePanel) {
    Connect();
    QScrollBar* bar = Bar(kSmoothStart);
    bool chosen = false;
    QTimer::singleShot(0, [&chosen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        for (QAction* action : menu->actions()) {
            if (action->text() == "Top") {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                chosen = true;
            }
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, bar->rect().center(),
                            bar->mapToGlobal(bar->rect().center()));
    QApplication::sendEvent(bar, &event);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(Value(kSmoothStart), 151);
    EXPECT_EQ(Writes(), (std::vector<std::string>{"m251", "m251"}));
}

TEST_F(ScrollBars, WithAutoSendOffScrollingMovesAndShowsButSendsNothing) {
    Connect();
    panel->m_auto_send_check->setChecked(false);
    ClickPart(kLeftTime, QStyle::SC_ScrollBarSubLine);
    QTest::keyClick(Bar(kOffTime), Qt::Key_End);
    EXPECT_EQ(Value(kLeftTime), 62);
    EXPECT_EQ(Edit(kLeftTime)->text(), "62");
    EXPECT_EQ(Edit(kOffTime)->text(), "1");
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(panel->m_auto_send, 0);
}

TEST_F(ScrollBars, NotConnectedTheLinkRefusesInLineThree) {
    ClickPart(kLeftTime, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(Value(kLeftTime), 62);
    EXPECT_EQ(panel->m_status3, "3. Can't send, the comms port is not open");
    EXPECT_EQ(panel->m_status1, "1...");
    EXPECT_TRUE(Writes().empty());
}

// Codes the platform can send that the mouse does not make here.
struct CodeCase {
    int code;
    int start_value;
    int position;  // nPos
    int value;
};

class ScrollCodes : public PanelTest, public testing::WithParamInterface<CodeCase> {};

TEST_P(ScrollCodes, MoveTheThumbInsideItsRange) {
    const CodeCase& c = GetParam();
    Connect();
    SetValue(kLeftTime, c.start_value);
    panel->OnVScroll(c.code, c.position, Bar(kLeftTime));
    EXPECT_EQ(Value(kLeftTime), c.value);
    EXPECT_EQ(Edit(kLeftTime)->text(), QString::number(c.value));
    EXPECT_EQ(Writes(), (std::vector<std::string>{"l" + std::to_string(c.value + 100)}));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ScrollCodes,
    testing::Values(CodeCase{kThumbTrack, 61, 0, 151}, CodeCase{kThumbPosition, 61, 150, 1},
                    CodeCase{kThumbTrack, 61, 500, 1}, CodeCase{kThumbTrack, 61, -3, 151},
                    CodeCase{kTop, 5, 0, 151}, CodeCase{kBottom, 140, 0, 1},
                    CodeCase{kEndScroll, 77, 0, 77}, CodeCase{99, 77, 0, 77},
                    CodeCase{kPageDown, 8, 0, 1}, CodeCase{kPageUp, 142, 0, 151}));

}  // namespace
}  // namespace kavel::test
