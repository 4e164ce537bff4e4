#pragma once
// Toolbar 128 (16-colour images) and 129 (24-bit images): the same buttons, in order.

#include "res/resource_ids.h"

namespace kavel::res {

inline constexpr int kToolbarSeparator = 0;
inline constexpr int kStandardToolbarButtons[] = {ids::ID_EDIT_CUT, ids::ID_EDIT_COPY,
                                                  ids::ID_EDIT_PASTE, kToolbarSeparator,
                                                  ids::ID_APP_ABOUT};
// The size of one button image in pixels.
inline constexpr int kToolbarImageWidth = 16;
inline constexpr int kToolbarImageHeight = 15;

}  // namespace kavel::res
