// What the panel starts with, where its controls sit, and what it paints.

#include "panel/panel_geometry.h"
#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

const QColor kBlue(0, 0, 255), kTeal(0, 128, 128), kWhite(255, 255, 255);
const QColor kLabelBand(0, 252, 234), kStatusBand(187, 240, 238);

TEST_F(PanelTest, StartsWithTheInitialValuesAndControlsInsideTheEdge) {
    const QStringList initial = {"61", "61", "31", "6", "501"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Edit(i)->text(), initial[i]);
    EXPECT_TRUE(Peer(*panel).m_auto_send_check->isChecked());
    EXPECT_EQ(Peer(*panel).m_auto_send, 1);
    EXPECT_EQ(Peer(*panel).m_selected, 0);
    EXPECT_EQ(Peer(*panel).m_status3, "3...");

    EXPECT_EQ(Peer(*panel).m_left_edit->geometry(), QRect(81, 112, 70, 30));
    EXPECT_EQ(Peer(*panel).m_offtime_edit->geometry(), QRect(517, 112, 70, 30));
    EXPECT_EQ(Peer(*panel).m_auto_send_check->geometry(), QRect(152, 432, 150, 30));
    EXPECT_EQ(Peer(*panel).m_stop_button->geometry(), QRect(702, 432, 100, 30));
    const QRect smooth = Peer(*panel).m_smooth_scroll->geometry();
    EXPECT_EQ(smooth, QRect(432, 152, smooth.width(), 250));
    EXPECT_EQ(smooth.width(), panel->style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    Peer(*panel).m_left_edit->setText("123");  // a resize rewrites unapplied digits, moves nothing
    panel->resize(500, 300);
    EXPECT_EQ(Peer(*panel).m_left_edit->text(), "61");
    EXPECT_EQ(Peer(*panel).m_stop_button->geometry(), QRect(702, 432, 100, 30));
}

TEST(PanelVisibility, ScrollBarsAndCheckBoxStartHiddenAndEveryPaintShowsThem) {
    FakeServices fakes;
    CChildView panel(fakes.services());
    EXPECT_TRUE(Peer(panel).m_left_scroll->isHidden() && Peer(panel).m_auto_send_check->isHidden());
    EXPECT_FALSE(Peer(panel).m_left_edit->isHidden() || Peer(panel).m_stop_button->isHidden());
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    Peer(panel).m_send_all_button->hide();
    panel.repaint();
    EXPECT_TRUE(Peer(panel).m_left_scroll->isVisible() && Peer(panel).m_auto_send_check->isVisible());
    EXPECT_TRUE(Peer(panel).m_send_all_button->isVisible());
}

// Each corner of every bar any group can draw (and the pixel just outside it) is blue exactly
// when it belongs to the bars of the group drawn; a selection out of range draws group 5's and
// becomes 5.
TEST_F(PanelTest, HighlightDrawsTheSelectedGroupsBarsAndNothingElse) {
    for (const auto& [selected, drawn] : std::vector<std::pair<int, int>>{
             {0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 5}, {-1, 5}}) {
        SCOPED_TRACE(selected);
        Peer(*panel).m_selected = selected;
        const QImage image = panel->grab().toImage();
        EXPECT_EQ(Peer(*panel).m_selected, drawn);
        const auto& bars = geometry::kHighlightBars[static_cast<std::size_t>(drawn)];
        for (const auto& group : geometry::kHighlightBars) {
            for (int i = 0; i < group.count; ++i) {
                const QRect r = group.rects[static_cast<std::size_t>(i)];
                for (const QPoint p : {r.topLeft(), r.bottomRight(), r.topRight() + QPoint(1, 0),
                                       r.topLeft() - QPoint(1, 0), r.bottomLeft() + QPoint(0, 1)}) {
                    bool inside = false;
                    for (int b = 0; b < bars.count; ++b) {
                        inside = inside || bars.rects[static_cast<std::size_t>(b)].contains(p);
                    }
                    EXPECT_EQ(image.pixelColor(At(p)) == kBlue, inside) << p.x() << "," << p.y();
                }
            }
        }
    }
}

// The label font is the size whose cell comes closest to 24 (23 rows; on the tie with 25 the
// smaller): " LeftTime " is then 93 pixels wide, the width the highlight bar above it was laid
// out for. The status font's cell is exactly 15 rows.
TEST_F(PanelTest, LabelsAndStatusLinesStandOnBandsExactlyAsLargeAsTheText) {
    const QImage image = panel->grab().toImage();
    const auto at = [&](int x, int y) { return image.pixelColor(At({x, y})); };
    EXPECT_EQ(at(68, 80), kLabelBand);
    EXPECT_EQ(at(160, 102), kLabelBand);
    EXPECT_NE(at(161, 80), kLabelBand);
    EXPECT_NE(at(67, 80), kLabelBand);
    EXPECT_NE(at(68, 103), kLabelBand);
    EXPECT_EQ(at(510, 80), kLabelBand);
    for (const int y : {500, 520, 540}) {
        EXPECT_EQ(at(50, y), kStatusBand);
        EXPECT_EQ(at(50, y + 14), kStatusBand);
        EXPECT_NE(at(50, y + 15), kStatusBand);
    }
    EXPECT_NE(at(250, 540), kStatusBand);
    Peer(*panel).m_status3 = "3.  4 bytes sent - l162, and a good deal more to make it wide";
    EXPECT_EQ(Pixel({250, 540}), kStatusBand);
}

TEST_F(PanelTest, UsbSymbolShowsTheConnectionState) {
    EXPECT_EQ(Pixel({50, 420}), kWhite);
    EXPECT_EQ(Pixel({99, 469}), kWhite);
    EXPECT_EQ(Pixel({75, 445}), kTeal);
    Connect();
    EXPECT_EQ(Pixel({50, 420}), kTeal);
    EXPECT_EQ(Pixel({99, 469}), kTeal);
    EXPECT_EQ(Pixel({52, 445}), kWhite);
}

}  // namespace
}  // namespace kavel::test
