// Group steps. The values from thumbs, the scroll clamps and the lookups by control id are
// tested through the panel's controls.

#include <gtest/gtest.h>

#include <vector>

#include "core/parameters.h"

namespace kavel {
namespace {

TEST(GroupSteps, MoveAllMembersByTheSmallestOwnMove) {
    const struct {
        int selected;
        std::vector<int> values;
        bool up;
        int expected_move;
    } cases[] = {{0, {5}, false, 4},         {0, {1}, false, 0},  {0, {61}, true, 10},
                 {4, {950}, true, 51},       // off time 950 -> 1001
                 {4, {500}, true, 100},      {6, {145, 61}, true, 6},  // -> 151, 67
                 {7, {30, 5, 50}, false, 4},  // -> 26, 1, 46
                 {2, {101}, true, 0},        {5, {11}, false, 10}};
    for (const auto& c : cases) {
        const Group& g = GroupFor(c.selected);
        ASSERT_EQ(static_cast<std::size_t>(g.count), c.values.size());
        std::vector<int> limits;
        for (int i = 0; i < g.count; ++i) {
            limits.push_back(ScrollLimit(kParameters[static_cast<std::size_t>(g.members[i])].maximum));
        }
        const int d = c.up ? StepUpMove(c.values, limits, g.step) : StepDownMove(c.values, g.step);
        EXPECT_EQ(d, c.expected_move) << "group " << c.selected;
    }
}

}  // namespace
}  // namespace kavel
