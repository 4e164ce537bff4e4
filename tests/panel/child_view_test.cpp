// The Qt panel: how its toolkit's events reach the rules (scroll codes, mouse buttons in
// client coordinates, keys, the push buttons), and what it paints (solid colours only: bands,
// bars, picture corners).

#include <QClipboard>
#include <QMenu>
#include <QTimer>
#include <QWheelEvent>
#include <functional>

#include "panel/panel_geometry.h"
#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

const QColor kBlue(0, 0, 255), kTeal(0, 128, 128), kWhite(255, 255, 255);
const QColor kLabelBand(0, 252, 234), kStatusBand(187, 240, 238);

// Every interaction is its scroll codes, then one end-of-scroll that sends once more; only the
// rules move a thumb. A click on an up arrow is the end-to-end test's (tests/e2e).
TEST_F(PanelTest, EveryScrollBarInteractionIsItsScrollCodesThenTheEnd) {
    Click(Qt::LeftButton, kUsbCentre);
    const ChildViewPeer peer = Peer(*panel);
    const auto bar = [&](int p) {
        return std::array<QScrollBar*, 5>{peer.m_left_scroll, peer.m_right_scroll,
                                          peer.m_duty_scroll, peer.m_smooth_scroll,
                                          peer.m_offtime_scroll}[std::size_t(p)];
    };
    const auto click = [&](int p, QStyle::SubControl part) {
        QTest::mouseClick(bar(p), Qt::LeftButton, {}, ScrollBarPart(bar(p), part).center());
    };
    const auto wheel = [&](int delta) {
        QWheelEvent event({5, 100}, bar(0)->mapToGlobal(QPoint(5, 100)), {}, {0, delta},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar(0), &event);
    };
    const auto top_from_menu = [&] {
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
                if (action->text() == "Top") menu->setActiveAction(action);
            }
            if (menu) QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 100},
                                bar(3)->mapToGlobal(QPoint(5, 100)));
        QApplication::sendEvent(bar(3), &event);
    };
    Cmds wheeled;  // half a notch twice from 60: each line step, then the end
    for (int i = 1; i <= QApplication::wheelScrollLines(); ++i)
        wheeled.push_back("l" + std::to_string(160 + i));
    wheeled.push_back(wheeled.back());
    const std::vector<std::pair<std::function<void()>, Cmds>> rows = {
        {[&] { click(kLeftTime, QStyle::SC_ScrollBarAddLine); }, {"l160", "l160"}},
        {[&] { click(kDutyCycle, QStyle::SC_ScrollBarSubPage); }, {"y141", "y141"}},
        {[&] {
             for (Qt::Key key : {Qt::Key_Home, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_End})
                 QTest::keyClick(bar(kOffTime), key);
         },
         {"o1101", "o1101", "o1091", "o1091", "o1090", "o1090", "o101", "o101"}},
        {[&] { wheel(60), wheel(60); }, wheeled},
        {top_from_menu, {"m251", "m251"}},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        fakes.serial.writes.clear();
        rows[i].first();
        EXPECT_EQ(fakes.serial.writes, rows[i].second) << i;
        for (int p = 0; p < 5; ++p) {
            EXPECT_EQ(bar(p)->sliderPosition(), peer.m_panel.Thumb(p)) << i;
            EXPECT_EQ(bar(p)->value(), peer.m_panel.Thumb(p)) << i;
        }
    }
    wheel(-2147483647);  // a freak turn is cut to the range
    EXPECT_EQ(peer.m_left_edit->text(), "1");
}

// Presses on the client area reach the rules in client coordinates; presses on a control are
// the control's; side buttons on the edge are non-client ones. Enter in a box reaches the rules
// with what the box let in; the push buttons' clicks are the end-to-end test's (tests/e2e).
TEST_F(PanelTest, MouseButtonsAndKeysReachTheRules) {
    Click(Qt::LeftButton, {100, 470});
    EXPECT_EQ(Peer(*panel).m_status3, "3. Left click 100 470 ");
    QMouseEvent second(QEvent::MouseButtonDblClick, At(kUsbCentre),
                       panel->mapToGlobal(At(kUsbCentre)), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(panel.get(), &second);  // default processing: no toggle
    ASSERT_TRUE(Peer(*panel).m_connected);

    Click(Qt::RightButton, kEmptySpot);
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::RightButton);
    QTest::mouseClick(Peer(*panel).m_auto_send_check, Qt::RightButton);
    QTest::mouseClick(panel.get(), Qt::RightButton, Qt::NoModifier, QPoint(1, 300));  // edge
    EXPECT_EQ(Peer(*panel).m_selected, 1);
    Click(Qt::BackButton, kEmptySpot);
    Click(Qt::ForwardButton, kEmptySpot);
    QTest::mouseClick(panel.get(), Qt::BackButton, Qt::NoModifier, QPoint(0, 300));
    QTest::mouseClick(panel.get(), Qt::ForwardButton, Qt::NoModifier, QPoint(400, 1));
    EXPECT_EQ(fakes.messages.shown,
              (std::vector<ShownMessage>{{"OnNcXButtonDown Mouse button 1", MessageIcon::None},
                                         {"OnNcXButtonDown Mouse button 2", MessageIcon::None}}));

    QLineEdit* left = Peer(*panel).m_left_edit;  // digits only when typed; a paste goes in
    left->clear();
    QTest::keyClicks(left, "1a2- 3.");
    // One key each, as a keyboard or xdotool types them: a letter with an accent, an
    // Arabic-Indic digit, a character beyond the Basic Multilingual Plane; and the same
    // composed with an input method.
    for (const char* typed : {"\xC3\xA9", "\xD9\xA3", "\xF0\x9F\x98\x80"}) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(typed));
        QApplication::sendEvent(left, &key);
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8(typed));
        QApplication::sendEvent(left, &composed);
    }
    EXPECT_EQ(left->text(), "123");
    QTest::keyClick(left, Qt::Key_Return);
    QApplication::clipboard()->setText("abc");
    Peer(*panel).m_right_edit->clear();
    QTest::keyClick(Peer(*panel).m_right_edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(Peer(*panel).m_right_edit, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(Peer(*panel).m_start_button, Qt::Key_Return);
    QTest::keyClick(panel.get(), Qt::Key_Return);
    EXPECT_EQ(fakes.serial.writes, (Cmds{"r151", "r161", "l223", "r100"}));
}

TEST(PanelLook, EveryPaintShowsTheHiddenControlsAndEveryResizeRewritesTheBoxes) {
    FakeServices fakes;
    CChildView panel(fakes.services());
    const auto peer = Peer(panel);
    EXPECT_TRUE(peer.m_left_scroll->isHidden() && peer.m_auto_send_check->isHidden());
    EXPECT_FALSE(peer.m_left_edit->isHidden() || peer.m_stop_button->isHidden());
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    peer.m_send_all_button->hide();
    panel.repaint();
    EXPECT_TRUE(peer.m_left_scroll->isVisible() && peer.m_auto_send_check->isVisible() &&
                peer.m_send_all_button->isVisible());
    // A scroll bar takes the style's width, whatever its rectangle's.
    EXPECT_EQ(peer.m_smooth_scroll->width(),
              panel.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    peer.m_left_edit->setText("123");
    panel.resize(500, 300);
    EXPECT_EQ(peer.m_left_edit->text(), "61");
}

// Each corner of every bar any group can draw (and the pixel just outside it) is blue exactly
// when it belongs to a bar of the group painted; a selection out of range paints group 5's.
TEST_F(PanelTest, HighlightPaintsTheSelectedGroupsBarsAndNothingElse) {
    for (const auto& [selected, drawn] :
         std::vector<std::pair<int, int>>{{0, 0}, {2, 2}, {7, 7}, {8, 8}, {9, 5}}) {
        Peer(*panel).m_selected = selected;
        const QImage image = panel->grab().toImage();
        const auto& bars = geometry::kHighlightBars[std::size_t(drawn)];
        const auto blue = [&](Point p) {
            return std::any_of(bars.rects.begin(), bars.rects.begin() + bars.count,
                               [&](const Rect& b) { return b.Contains(p); });
        };
        for (const auto& group : geometry::kHighlightBars) {
            for (const Rect& r : std::span(group.rects.data(), std::size_t(group.count))) {
                for (const Point p : {Point{r.left, r.top}, Point{r.right() - 1, r.bottom() - 1},
                                      Point{r.right(), r.top}, Point{r.left - 1, r.top},
                                      Point{r.left, r.bottom()}}) {
                    EXPECT_EQ(image.pixelColor(At({p.x, p.y})) == kBlue, blue(p))
                        << selected << ": " << p.x << "," << p.y;
                }
            }
        }
    }
}

// The label font is the size whose cell comes closest to 24 (23 rows; on the tie with 25 the
// smaller): " LeftTime " is then 93 pixels wide, the width the highlight bar above it was laid
// out for. The status font's cell is exactly 15 rows. The USB picture shows the connection.
TEST_F(PanelTest, LabelsAndStatusLinesStandOnBandsAsLargeAsTheTextBesideTheUsbPicture) {
    const QImage before = panel->grab().toImage();
    Peer(*panel).m_status3 = "3.  4 bytes sent - l162, and a good deal more to make it wide";
    Click(Qt::LeftButton, kUsbCentre);
    Peer(*panel).m_status3 = "3.  4 bytes sent - l162, and a good deal more to make it wide";
    const QImage after = panel->grab().toImage();
    const struct {
        int x, y;
        QColor colour;
        bool is;
    } pixels[] = {
        {68, 80, kLabelBand, true},   {160, 102, kLabelBand, true}, {161, 80, kLabelBand, false},
        {67, 80, kLabelBand, false},  {68, 103, kLabelBand, false}, {510, 80, kLabelBand, true},
        {50, 500, kStatusBand, true}, {50, 534, kStatusBand, true}, {50, 535, kStatusBand, false},
        {50, 540, kStatusBand, true}, {50, 554, kStatusBand, true}, {50, 555, kStatusBand, false}};
    for (const auto& p : pixels)
        EXPECT_EQ(before.pixelColor(At({p.x, p.y})) == p.colour, p.is) << p.x << "," << p.y;
    EXPECT_NE(before.pixelColor(At({250, 540})), kStatusBand);
    EXPECT_EQ(after.pixelColor(At({250, 540})), kStatusBand);
    for (const auto& [x, y, disconnected, connected] :
         std::vector<std::tuple<int, int, QColor, QColor>>{
             {50, 420, kWhite, kTeal}, {99, 469, kWhite, kTeal}, {75, 445, kTeal, kWhite}}) {
        EXPECT_EQ(before.pixelColor(At({x, y})), disconnected) << x << "," << y;
        EXPECT_EQ(after.pixelColor(At({x, y})), connected) << x << "," << y;
    }
}

}  // namespace
}  // namespace kavel::test
