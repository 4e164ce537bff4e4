#pragma once
// The toolbar's button strips (bitmap 128: 16 colours, bitmap 129: 24 bits) are generated at
// build time from res/images: one 16 x 15 image per button that has one, side by side in the
// standard toolbar's order (Cut, Copy, Paste, About). Their transparent pixels are this colour,
// which no button image uses; an image list made with it as the mask colour shows them
// transparent. make_resources.py reads the three values from here.

namespace kavel::win32res {

inline constexpr int kToolbarMaskRed = 255;
inline constexpr int kToolbarMaskGreen = 0;
inline constexpr int kToolbarMaskBlue = 255;

}  // namespace kavel::win32res
