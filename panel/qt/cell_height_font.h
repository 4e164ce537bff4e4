#pragma once
// The panel's face at the pixel size whose cell height (ascent plus descent) comes closest to a
// height in pixels; on a tie the smaller size.

#include <QFont>

namespace kavel {

QFont CellHeightFont(int cell_height);

// The face's cell height at a pixel size, as the font database gives it (the face loaded at
// that size).
int LoadedCellHeightAt(int pixel_size);

}  // namespace kavel
