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

struct HighlightCase {
    int selected;
    std::vector<QRect> bars;
    int selected_after;
};

class HighlightBars : public PanelTest, public testing::WithParamInterface<HighlightCase> {};

// Each corner of every bar any group can draw (and the pixel just outside it) is blue exactly
// when it lies in one of the expected bars.
TEST_P(HighlightBars, DrawsTheSelectedGroupsBarsAndNothingElse) {
    const HighlightCase& c = GetParam();
    Peer(*panel).m_selected = c.selected;
    const QImage image = panel->grab().toImage();
    EXPECT_EQ(Peer(*panel).m_selected, c.selected_after);
    for (const auto& group : geometry::kHighlightBars) {
        for (int i = 0; i < group.count; ++i) {
            const QRect r = group.rects[static_cast<std::size_t>(i)];
            for (const QPoint p : {r.topLeft(), r.bottomRight(), r.topRight() + QPoint(1, 0),
                                   r.topLeft() - QPoint(1, 0), r.bottomLeft() + QPoint(0, 1)}) {
                bool inside = false;
                for (const QRect& bar : c.bars) inside = inside || bar.contains(p);
                EXPECT_EQ(image.pixelColor(At(p)) == kBlue, inside) << p.x() << "," << p.y();
            }
        }
    }
}

const QRect kLeft(67, 12, 94, 42), kRight(170, 12, 102, 42), kDefault(67, 12, 90, 42);
INSTANTIATE_TEST_SUITE_P(
    Groups, HighlightBars,
    testing::Values(HighlightCase{0, {kLeft}, 0}, HighlightCase{1, {kRight}, 1},
                    HighlightCase{2, {QRect(282, 12, 103, 42)}, 2},
                    HighlightCase{3, {QRect(401, 12, 84, 42)}, 3},
                    HighlightCase{4, {QRect(509, 12, 87, 42)}, 4}, HighlightCase{5, {kDefault}, 5},
                    HighlightCase{6, {kLeft, kRight}, 6},
                    HighlightCase{7, {kLeft, kRight, QRect(283, 12, 104, 42)}, 7},
                    HighlightCase{8, {QRect(553, 408, 245, 17)}, 8},
                    HighlightCase{9, {kDefault}, 5}, HighlightCase{-1, {kDefault}, 5}));

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
