// What the panel paints: highlight bars, label and status bands, the USB pictures.

#include "tests/panel/panel_test_support.h"

namespace kavel::test {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kLabelBand(0, 252, 234);
const QColor kStatusBand(187, 240, 238);
const QColor kTeal(0, 128, 128);
const QColor kWhite(255, 255, 255);

struct HighlightCase {
    int selected;
    std::vector<QRect> bars;  // left, top, width, height
    int selected_after;
};

class HighlightBars : public PanelTest, public testing::WithParamInterface<HighlightCase> {};

// Every corner of every bar any group can draw is blue exactly when it lies in one of the
// expected bars.
TEST_P(HighlightBars, DrawsTheBarsOfTheSelectedGroupAndNothingElse) {
    const HighlightCase& c = GetParam();
    panel->m_selected = c.selected;
    const QImage image = Grab();
    EXPECT_EQ(panel->m_selected, c.selected_after);
    std::vector<QPoint> probes;
    for (const auto& group : geometry::kHighlightBars) {
        for (int i = 0; i < group.count; ++i) {
            const QRect r = group.rects[static_cast<std::size_t>(i)];
            probes.insert(probes.end(), {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(),
                                         r.topRight() + QPoint(1, 0), r.topLeft() - QPoint(1, 0),
                                         r.bottomLeft() + QPoint(0, 1)});
        }
    }
    for (const QPoint p : probes) {
        bool expected = false;
        for (const QRect& bar : c.bars) expected = expected || bar.contains(p);
        EXPECT_EQ(Pixel(image, p) == kBlue, expected)
            << "selected " << c.selected << " at " << p.x() << "," << p.y();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Groups, HighlightBars,
    testing::Values(
        HighlightCase{0, {QRect(67, 12, 94, 42)}, 0},
        HighlightCase{1, {QRect(170, 12, 102, 42)}, 1},
        HighlightCase{2, {QRect(282, 12, 103, 42)}, 2},
        HighlightCase{3, {QRect(401, 12, 84, 42)}, 3},
        HighlightCase{4, {QRect(509, 12, 87, 42)}, 4}, HighlightCase{5, {QRect(67, 12, 90, 42)}, 5},
        HighlightCase{6, {QRect(67, 12, 94, 42), QRect(170, 12, 102, 42)}, 6},
        HighlightCase{
            7, {QRect(67, 12, 94, 42), QRect(170, 12, 102, 42), QRect(283, 12, 104, 42)}, 7},
        HighlightCase{8, {QRect(553, 408, 245, 17)}, 8},
        HighlightCase{9, {QRect(67, 12, 90, 42)}, 5}, HighlightCase{-1, {QRect(67, 12, 90, 42)}, 5},
        HighlightCase{std::numeric_limits<int>::min(), {QRect(67, 12, 90, 42)}, 5}));

// The label band is exactly as wide as " LeftTime " (68..160, the width the highlight bar
// above it was laid out for) and one cell high; status bands likewise at their lines.
TEST_F(PanelTest, LabelAndStatusLinesStandOnBandsOfTheirColours) {
    const QImage image = Grab();
    EXPECT_EQ(Pixel(image, {68, 80}), kLabelBand);
    EXPECT_EQ(Pixel(image, {160, 80}), kLabelBand);
    EXPECT_EQ(Pixel(image, {68, 102}), kLabelBand);
    EXPECT_NE(Pixel(image, {161, 80}), kLabelBand);
    EXPECT_NE(Pixel(image, {67, 80}), kLabelBand);
    EXPECT_NE(Pixel(image, {68, 79}), kLabelBand);
    EXPECT_NE(Pixel(image, {68, 105}), kLabelBand);
    for (const QPoint origin : geometry::kLabelOrigins) EXPECT_EQ(Pixel(image, origin), kLabelBand);

    for (const QPoint origin : geometry::kStatusOrigins) {
        EXPECT_EQ(Pixel(image, origin), kStatusBand);
        EXPECT_EQ(Pixel(image, origin + QPoint(0, 14)), kStatusBand);
        EXPECT_NE(Pixel(image, origin + QPoint(0, 17)), kStatusBand);
        EXPECT_NE(Pixel(image, origin - QPoint(0, 1)), kStatusBand);
    }
    // A longer line has a longer band.
    EXPECT_NE(Pixel(image, {250, 540}), kStatusBand);
    panel->m_status3 = "3.  4 bytes sent - l162 and a good deal more text to make it wide";
    EXPECT_EQ(Pixel(Grab(), {250, 540}), kStatusBand);
    EXPECT_EQ(Pixel(image, {700, 300}), kWhite) << "the background of the default look";
}

TEST_F(PanelTest, UsbSymbolShowsTheConnectionState) {
    const QImage disconnected = Grab();
    EXPECT_EQ(Pixel(disconnected, {50, 420}), kWhite);
    EXPECT_EQ(Pixel(disconnected, {99, 469}), kWhite);
    EXPECT_EQ(Pixel(disconnected, {55, 445}), kTeal) << "the disc";

    Connect();
    const QImage connected = Grab();
    EXPECT_EQ(Pixel(connected, {50, 420}), kTeal) << "the frame";
    EXPECT_EQ(Pixel(connected, {99, 469}), kTeal);
    EXPECT_EQ(Pixel(connected, {52, 445}), kWhite) << "the field inside the frame";
}

}  // namespace
}  // namespace kavel::test
