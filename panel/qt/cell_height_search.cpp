#include "panel/qt/cell_height_search.h"

#include <algorithm>
#include <map>

namespace kavel {
namespace {

// How many sizes either side of the proportional estimate can be the answer.
constexpr int kAround = 2;

}  // namespace

int ClosestPixelSize(int cell_height, const std::function<int(int)>& cell_height_at) {
    std::map<int, int> measured;
    const auto height = [&](int size) {
        const auto [it, added] = measured.try_emplace(size, 0);
        if (added) it->second = cell_height_at(size);
        return it->second;
    };
    const int estimate = std::max(1, cell_height * cell_height / std::max(1, height(cell_height)));
    const int low = std::max(1, estimate - kAround);
    const int high = estimate + kAround;

    // The smallest size in range whose height reaches the asked one (high + 1 when none does).
    int reaching = estimate;
    if (height(reaching) >= cell_height) {
        while (reaching > low && height(reaching - 1) >= cell_height) --reaching;
    } else {
        do ++reaching;
        while (reaching <= high && height(reaching) < cell_height);
    }
    // Heights only grow, so the closest is that size or the one below it. Below wins a tie, and
    // among sizes of the same height below, the smallest.
    if (reaching <= high &&
        (reaching == low || height(reaching) - cell_height < cell_height - height(reaching - 1)))
        return reaching;
    int best = reaching - 1;
    while (best > low && height(best - 1) == height(reaching - 1)) --best;
    return best;
}

}  // namespace kavel
