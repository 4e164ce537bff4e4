#pragma once
// Colours the control panel paints with, and the two fonts of its labels and status lines.

#include <QColor>

namespace kavel::colours {

inline constexpr QColor kLabelBackground(0, 252, 234);
inline constexpr QColor kStatusBackground(187, 240, 238);
inline constexpr QColor kText(0, 47, 53);  // labels and status lines
inline constexpr QColor kHighlight(0, 0, 255);

}  // namespace kavel::colours

namespace kavel::fonts {

// Both fonts are the same face at normal weight; a height is the cell height in pixels
// (ascent plus descent), not the em size.
inline constexpr char kFace[] = "Arial";
inline constexpr int kLabelCellHeight = 24;
inline constexpr int kStatusCellHeight = 15;

}  // namespace kavel::fonts
