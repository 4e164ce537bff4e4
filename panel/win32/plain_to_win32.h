#pragma once
// The panel's plain points, rectangles and colours as the Win32 API's.

#include <windows.h>

#include "panel/panel_colours.h"
#include "panel/plain_rect.h"

namespace kavel::win32 {

constexpr RECT ToRect(const Rect& r) {
    return RECT{r.left, r.top, r.right(), r.bottom()};
}
constexpr COLORREF ToColorRef(Rgb c) {
    return RGB(c.red, c.green, c.blue);
}

}  // namespace kavel::win32
