// A long seeded run of everything a user can do: thumbs stay in range, Qt never moves one by
// itself, and every command written is well formed.

#include <QWheelEvent>
#include <random>
#include <regex>

#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

TEST_F(PanelTest, ARandomRunKeepsEveryThumbInRange) {
    std::mt19937 random(20240607);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const std::array<QStyle::SubControl, 5> parts = {
        QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubPage,
        QStyle::SC_ScrollBarAddPage, QStyle::SC_ScrollBarSlider};
    const std::array<Qt::Key, 6> keys = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                         Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const QStringList texts = {"0", "151", "-1", "99999999999", "abc", "", "-2147483648", " 42x"};
    for (int step = 0; step < 1500; ++step) {
        QScrollBar* bar = Bar(pick(5));
        const QPoint grip = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
        switch (pick(12)) {
            case 0:
                QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                                  ScrollBarPart(bar, parts[std::size_t(pick(5))]).center());
                break;
            case 1:  // a drag, sometimes never released
                SendMouse(bar, QEvent::MouseButtonPress, grip, Qt::LeftButton);
                SendMouse(bar, QEvent::MouseMove, {grip.x(), pick(700) - 200}, Qt::LeftButton);
                if (pick(4) != 0) SendMouse(bar, QEvent::MouseButtonRelease, grip, Qt::NoButton);
                break;
            case 2:
                QTest::keyClick(bar, keys[std::size_t(pick(6))]);
                break;
            case 3: {
                QWheelEvent wheel(grip, bar->mapToGlobal(grip), {}, {0, pick(721) - 360},
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(bar, &wheel);
                break;
            }
            case 4:
                Edit(pick(5))->setText(pick(2) ? texts[pick(8)] : QString::number(pick(3000)));
                QTest::keyClick(Edit(pick(5)), Qt::Key_Return);
                break;
            case 5:
                Click(pick(2) ? Qt::BackButton : Qt::ForwardButton, kEmptySpot);
                break;
            case 6:
                Click(Qt::RightButton, {pick(820), pick(580)});
                break;
            case 7:
                if (pick(3) == 0) fakes.serial.Fail(SerialStep::SetState);
                Click(Qt::LeftButton, kUsbCentre);
                fakes.serial.Succeed(SerialStep::SetState);
                break;
            case 8:
                panel->OnCmdMsg(108 + pick(3));
                break;
            case 9:
                Peer(*panel).m_auto_send_check->toggle();
                break;
            case 10:
                Peer(*panel).m_selected = pick(40) - 20;
                break;
            default:
                panel->OnVScroll(pick(12) - 1, pick(3000) - 1000, bar);
                break;
        }
        if (pick(10) == 0) panel->resize(300 + pick(700), 200 + pick(500));
        if (pick(5) == 0) panel->repaint();
        for (int i = 0; i < 5; ++i) {
            ASSERT_TRUE(Bar(i)->value() >= 0 && Bar(i)->value() <= Limit(i) - 1) << step;
            ASSERT_EQ(Bar(i)->sliderPosition(), Bar(i)->value()) << step;
        }
    }
    panel->repaint();
    EXPECT_TRUE(Peer(*panel).m_selected >= 0 && Peer(*panel).m_selected <= 8);
    EXPECT_GT(Writes().size(), 100u);
    const std::regex command("[lrymos]-?[0-9]+");
    for (const std::string& w : Writes()) EXPECT_TRUE(std::regex_match(w, command)) << w;
}

}  // namespace
}  // namespace kavel::test
