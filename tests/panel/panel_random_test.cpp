// A long random run of everything a user can do: thumbs stay in range, every byte written is a
// well-formed command, and the panel keeps answering.

#include <QWheelEvent>
#include <random>
#include <regex>

#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

constexpr unsigned kSeed = 20240607;
constexpr int kSteps = 1500;

class RandomRun : public PanelTest {
protected:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    QString RandomText() {
        static const std::array<const char*, 10> texts = {
            "0",   "-1", "151",         "999999",     "99999999999",
            "abc", "",   "-2147483648", "2147483647", " 42x"};
        return Pick(3) == 0 ? QString::number(Pick(2000) - 500)
                            : QString::fromUtf8(texts[static_cast<std::size_t>(Pick(10))]);
    }

    void Act() {
        QScrollBar* bar = Bar(Pick(5));
        const std::array<QStyle::SubControl, 5> parts = {
            QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubPage,
            QStyle::SC_ScrollBarAddPage, QStyle::SC_ScrollBarSlider};
        const std::array<Qt::Key, 8> keys = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                             Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                                             Qt::Key_Left,     Qt::Key_Right};
        switch (Pick(14)) {
            case 0:
                QTest::mouseClick(
                    bar, Qt::LeftButton, Qt::NoModifier,
                    ScrollBarPart(bar, parts[static_cast<std::size_t>(Pick(5))]).center());
                break;
            case 1: {
                const QPoint from = ScrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
                const QPoint to(from.x(), Pick(700) - 200);
                SendMouse(bar, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
                SendMouse(bar, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
                if (Pick(4) != 0) {
                    SendMouse(bar, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
                }
                break;
            }
            case 2:
                QTest::keyClick(bar, keys[static_cast<std::size_t>(Pick(8))]);
                break;
            case 3: {
                const QPoint middle = bar->rect().center();
                QWheelEvent wheel(QPointF(middle), QPointF(bar->mapToGlobal(middle)), QPoint(),
                                  QPoint(0, Pick(721) - 360), Qt::NoButton, Qt::NoModifier,
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(bar, &wheel);
                break;
            }
            case 4: {
                QLineEdit* edit = Edit(Pick(5));
                edit->setText(RandomText());
                QTest::keyClick(edit, Pick(2) == 0 ? Qt::Key_Return : Qt::Key_Enter);
                break;
            }
            case 5:
                QTest::keyClicks(Edit(Pick(5)), "7x-");
                break;
            case 6:
                Click(Pick(2) == 0 ? Qt::BackButton : Qt::ForwardButton, kEmptySpot);
                break;
            case 7:
                Click(Qt::RightButton, {Pick(820), Pick(580)});
                break;
            case 8:
                if (Pick(3) == 0) fakes.serial.Fail(SerialStep::SetState);
                Click(Qt::LeftButton, kUsbCentre);
                fakes.serial.Succeed(SerialStep::SetState);
                break;
            case 9:
                QTest::mouseClick(panel->m_send_all_button, Qt::LeftButton);
                break;
            case 10:
                QTest::mouseClick(Pick(2) == 0 ? panel->m_start_button : panel->m_stop_button,
                                  Qt::LeftButton);
                break;
            case 11:
                QTest::mouseClick(panel->m_auto_send_check, Qt::LeftButton);
                break;
            case 12:
                panel->m_selected = Pick(40) - 20;
                break;
            default:
                panel->OnVScroll(Pick(12) - 1, Pick(3000) - 1000, bar);
                break;
        }
        if (Pick(10) == 0) panel->resize(300 + Pick(700), 200 + Pick(500));
        if (Pick(5) == 0) panel->repaint();
    }

    std::mt19937 random{kSeed};
};

TEST_F(RandomRun, ThumbsStayInRangeAndEveryCommandIsWellFormed) {
    const std::regex command("[lrymos]-?[0-9]+");
    for (int step = 0; step < kSteps; ++step) {
        Act();
        for (int i = 0; i < 5; ++i) {
            const QScrollBar* bar = Bar(i);
            ASSERT_GE(bar->value(), 0) << "step " << step;
            ASSERT_LE(bar->value(), kParameters[static_cast<std::size_t>(i)].maximum)
                << "step " << step;
            ASSERT_EQ(bar->sliderPosition(), bar->value()) << "Qt moved a thumb by itself";
        }
    }
    panel->repaint();
    EXPECT_GE(panel->m_selected, 0);
    EXPECT_LT(panel->m_selected, kGroupCount);
    EXPECT_FALSE(Writes().empty());
    for (const std::string& w : Writes()) EXPECT_TRUE(std::regex_match(w, command)) << w;
}

}  // namespace
}  // namespace kavel::test
