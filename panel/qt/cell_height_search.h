#pragma once
// Which pixel size of a face gives a cell height (ascent plus descent) closest to the one asked
// for. Loading a face at a size is costly, so the search measures as few sizes as it can.

#include <functional>

namespace kavel {

// The pixel size among the estimate and the two sizes either side of it whose cell height comes
// closest to cell_height; on a tie the smaller size. The estimate is the asked height scaled by
// the ratio the face shows at that size. cell_height_at(size) gives the face's cell height at a
// pixel size and must not shrink as the size grows (so the search can stop where the heights
// pass the asked one); it is called at most once per size.
int ClosestPixelSize(int cell_height, const std::function<int(int)>& cell_height_at);

}  // namespace kavel
