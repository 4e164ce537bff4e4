// The font size search: it must pick what measuring every candidate size picks, for any face
// whose cell height does not shrink as the size grows, and measure each size at most once; the
// panel's fonts built on it must come out at the sizes the font database's metrics give.

#include <gtest/gtest.h>

#include <QFont>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <random>
#include <vector>

#include "panel/qt/cell_height_font.h"
#include "panel/qt/cell_height_search.h"
#include "panel/panel_colours.h"

namespace kavel::test {
namespace {

// The definition: measure the asked height for the estimate, then every size from two below to
// two above it; the first smallest miss wins.
int MeasureEveryCandidate(int cell_height, const std::function<int(int)>& cell_height_at) {
    const int estimate = std::max(1, cell_height * cell_height / std::max(1, cell_height_at(cell_height)));
    int best = estimate;
    int best_miss = -1;
    for (int size = std::max(1, estimate - 2); size <= estimate + 2; ++size) {
        const int miss = std::abs(cell_height_at(size) - cell_height);
        if (best_miss < 0 || miss < best_miss) {
            best = size;
            best_miss = miss;
        }
    }
    return best;
}

// A face given as its cell height at each size (beyond the table: growing by one per size),
// counting how often each size is measured.
struct TableFace {
    std::vector<int> heights;  // heights[size]
    std::map<int, int> measured;

    int operator()(int size) {
        ++measured[size];
        const int last = static_cast<int>(heights.size()) - 1;
        return size <= last ? heights[static_cast<std::size_t>(size)] : heights.back() + size - last;
    }
};

void ExpectSameAsMeasuringEverything(const std::vector<int>& heights, const char* what) {
    for (int asked = 1; asked < static_cast<int>(heights.size()) + 8; ++asked) {
        TableFace face{heights, {}};
        TableFace reference{heights, {}};
        EXPECT_EQ(ClosestPixelSize(asked, std::ref(face)),
                  MeasureEveryCandidate(asked, std::ref(reference)))
            << what << ", asked height " << asked;
        for (const auto& [size, times] : face.measured) EXPECT_EQ(times, 1) << what << " size " << size;
    }
}

TEST(CellHeightSearch, PicksWhatMeasuringEveryCandidatePicksWithPlateausAndJumps) {
    // Heights that grow by one or two pixels a size as scalable faces do, or stay flat over
    // several sizes or jump by three, as hinted or bitmap faces can; many seeded random tables.
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> step(0, 3);
    for (int table = 0; table < 200; ++table) {
        std::vector<int> heights(1, 0);
        for (int size = 1; size <= 60; ++size) heights.push_back(heights.back() + step(random));
        ExpectSameAsMeasuringEverything(heights, ("random table " + std::to_string(table)).c_str());
    }
}

TEST(CellHeightFont, PicksTheSizeMeasuringEveryCandidateWithTheLoadedFacePicks) {
    // The panel's fonts read heights from one loaded face re-sized; the sizes must be the ones
    // the font database's own metrics lead to.
    for (const int asked : {fonts::kStatusCellHeight, fonts::kLabelCellHeight, 9, 12, 18, 30, 40}) {
        const QFont font = CellHeightFont(asked);
        EXPECT_EQ(font.pixelSize(), MeasureEveryCandidate(asked, LoadedCellHeightAt)) << asked;
        EXPECT_EQ(font.family(), QString::fromUtf8(fonts::kFace));
    }
}

}  // namespace
}  // namespace kavel::test
