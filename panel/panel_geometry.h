#pragma once
// Where everything on the control panel sits, in client-area device pixels. Nothing moves when
// the window changes size.

#include <array>

#include "core/parameters.h"
#include "panel/plain_rect.h"

namespace kavel::geometry {

// The client area the whole layout needs: content spans x 50..800 and y 12..about 555.
inline constexpr Size kClientSize{820, 580};

// Per parameter, in table order (left time, right time, duty cycle, smooth start, off time).
// Scroll bars show only their left edge and height; their width is the platform's.
inline constexpr std::array<Rect, kParameters.size()> kScrollRects = {{
    Edges(102, 150, 152, 400),
    Edges(210, 150, 260, 400),
    Edges(320, 150, 370, 400),
    Edges(430, 150, 490, 400),
    Edges(540, 150, 600, 400),
}};
inline constexpr std::array<Rect, kParameters.size()> kEditRects = {{
    Edges(79, 110, 149, 140),
    Edges(185, 110, 255, 140),
    Edges(295, 110, 365, 140),
    Edges(405, 110, 475, 140),
    Edges(515, 110, 585, 140),
}};
// Top-left points of the painted column labels.
inline constexpr std::array<Point, kParameters.size()> kLabelOrigins = {{
    {68, 80},
    {170, 80},
    {282, 80},
    {402, 80},
    {510, 80},
}};

inline constexpr Rect kAutoSendRect = Edges(150, 430, 300, 460);
inline constexpr Rect kSendAllRect = Edges(350, 430, 500, 460);
inline constexpr Rect kStartRect = Edges(550, 430, 650, 460);
inline constexpr Rect kStopRect = Edges(700, 430, 800, 460);

// Top-left points of status lines 1, 2 and 3.
inline constexpr std::array<Point, 3> kStatusOrigins = {{{50, 500}, {50, 520}, {50, 540}}};

// The USB symbol: the picture's top-left corner, and the click target, one pixel more each
// way than the 50 x 50 picture (x 50 to 100 and y 420 to 470, both ends included).
inline constexpr Point kUsbOrigin{50, 420};
inline constexpr Rect kUsbHitArea{50, 420, 51, 51};

// Highlight bars per selected group; up to three rectangles.
struct HighlightBars {
    std::array<Rect, 3> rects;
    int count;
};
inline constexpr Rect kLeftBar{67, 12, 94, 42};
inline constexpr Rect kRightBar{170, 12, 102, 42};
inline constexpr std::array<HighlightBars, kGroupCount> kHighlightBars = {{
    {{kLeftBar}, 1},
    {{kRightBar}, 1},
    {{Rect{282, 12, 103, 42}}, 1},
    {{Rect{401, 12, 84, 42}}, 1},
    {{Rect{509, 12, 87, 42}}, 1},
    {{Rect{67, 12, 90, 42}}, 1},
    {{kLeftBar, kRightBar}, 2},
    {{kLeftBar, kRightBar, Rect{283, 12, 104, 42}}, 3},
    {{Rect{553, 408, 245, 17}}, 1},
}};

}  // namespace kavel::geometry
