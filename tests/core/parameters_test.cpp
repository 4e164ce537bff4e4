// Parameter arithmetic: values from thumbs, scroll clamps, group steps.

#include <gtest/gtest.h>

#include <vector>

#include "core/parameters.h"

namespace kavel {
namespace {

// The initial values and limits themselves are checked where the panel shows them.
TEST(ParameterTable, ThumbsAndValuesMapBothWaysAndIdsFindTheirParameter) {
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        const Parameter& p = kParameters[i];
        const int limit = ScrollLimit(p.maximum);
        EXPECT_EQ(ValueAt(limit, p.maximum), 1) << "thumb at the bottom gives 1";
        EXPECT_EQ(ValueAt(limit, 0), limit) << "thumb at the top gives the limit";
        EXPECT_EQ(PositionFor(limit, ValueAt(limit, 17)), 17);
        EXPECT_EQ(ParameterByScrollId(p.scroll_id), static_cast<int>(i));
        EXPECT_EQ(ParameterByEditId(p.edit_id), static_cast<int>(i));
    }
    EXPECT_FALSE(ParameterByScrollId(104));
    EXPECT_FALSE(ParameterByEditId(101));
}

struct ScrollCase {
    int code;
    int position;
    int track;
    std::optional<int> expected;
};

class ScrollClamps : public testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollClamps, StayInsideTheRange) {
    const ScrollCase& c = GetParam();
    EXPECT_EQ(NewScrollPosition(c.code, c.position, c.track, 0, 150), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ScrollClamps,
    testing::Values(ScrollCase{kLineUp, 90, 0, 89}, ScrollCase{kLineUp, 0, 0, 0},
                    ScrollCase{kLineDown, 90, 0, 91}, ScrollCase{kLineDown, 150, 0, 150},
                    ScrollCase{kPageUp, 90, 0, 80}, ScrollCase{kPageUp, 10, 0, 0},
                    ScrollCase{kPageUp, 11, 0, 1}, ScrollCase{kPageDown, 90, 0, 100},
                    ScrollCase{kPageDown, 140, 0, 150}, ScrollCase{kPageDown, 139, 0, 149},
                    ScrollCase{kThumbTrack, 90, 33, 33}, ScrollCase{kThumbPosition, 90, 12, 12},
                    ScrollCase{kTop, 90, 0, 0}, ScrollCase{kBottom, 90, 0, 150},
                    ScrollCase{kEndScroll, 90, 5, std::nullopt},
                    ScrollCase{99, 90, 5, std::nullopt}));

struct StepCase {
    int selected;
    std::vector<int> values;
    bool up;
    int expected_move;
};

class GroupSteps : public testing::TestWithParam<StepCase> {};

TEST_P(GroupSteps, MoveAllMembersByTheSmallestOwnMove) {
    const StepCase& c = GetParam();
    const Group& g = GroupFor(c.selected);
    ASSERT_EQ(static_cast<std::size_t>(g.count), c.values.size());
    std::vector<int> limits;
    for (int i = 0; i < g.count; ++i) {
        limits.push_back(ScrollLimit(kParameters[static_cast<std::size_t>(g.members[i])].maximum));
    }
    const int d = c.up ? StepUpMove(c.values, limits, g.step) : StepDownMove(c.values, g.step);
    EXPECT_EQ(d, c.expected_move);
    for (std::size_t i = 0; i < c.values.size(); ++i) {
        const int after = c.up ? c.values[i] + d : c.values[i] - d;
        EXPECT_GE(after, 1);
        EXPECT_LE(after, limits[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Groups, GroupSteps,
    testing::Values(StepCase{0, {5}, false, 4},            // 5 -> 1
                    StepCase{0, {1}, false, 0},            // stays 1
                    StepCase{0, {61}, true, 10},
                    StepCase{4, {950}, true, 51},          // off time 950 -> 1001
                    StepCase{4, {500}, true, 100},         // 500 -> 600
                    StepCase{6, {145, 61}, true, 6},       // -> 151, 67
                    StepCase{7, {30, 5, 50}, false, 4},    // -> 26, 1, 46
                    StepCase{2, {101}, true, 0},
                    StepCase{5, {11}, false, 10}));

}  // namespace
}  // namespace kavel
