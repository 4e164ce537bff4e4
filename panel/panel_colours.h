#pragma once
// Colours the control panel paints with, and the two fonts of its labels and status lines.

#include <cstdint>

namespace kavel {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

}  // namespace kavel

namespace kavel::colours {

inline constexpr Rgb kLabelBackground{0, 252, 234};
inline constexpr Rgb kStatusBackground{187, 240, 238};
inline constexpr Rgb kText{0, 47, 53};  // labels and status lines
inline constexpr Rgb kHighlight{0, 0, 255};

}  // namespace kavel::colours

namespace kavel::fonts {

// Both fonts are the same face at normal weight; a height is the cell height in pixels
// (ascent plus descent), not the em size.
inline constexpr char kFace[] = "Arial";
inline constexpr int kLabelCellHeight = 24;
inline constexpr int kStatusCellHeight = 15;

}  // namespace kavel::fonts
