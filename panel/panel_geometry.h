#pragma once
// Where everything on the control panel sits, in client-area device pixels. Nothing moves when
// the window changes size.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

#include "core/parameters.h"

namespace kavel::geometry {

// A rectangle given by its edges (right and bottom exclusive), as controls are created.
constexpr QRect Edges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// The sunken client edge around the panel (its non-client area).
inline constexpr int kClientEdge = 2;
// The client area the whole layout needs: content spans x 50..800 and y 12..about 555.
inline constexpr QSize kClientSize(820, 580);

// Per parameter, in table order (left time, right time, duty cycle, smooth start, off time).
// Scroll bars show only their left edge and height; their width is the style's.
inline constexpr std::array<QRect, kParameters.size()> kScrollRects = {{
    Edges(102, 150, 152, 400),
    Edges(210, 150, 260, 400),
    Edges(320, 150, 370, 400),
    Edges(430, 150, 490, 400),
    Edges(540, 150, 600, 400),
}};
inline constexpr std::array<QRect, kParameters.size()> kEditRects = {{
    Edges(79, 110, 149, 140),
    Edges(185, 110, 255, 140),
    Edges(295, 110, 365, 140),
    Edges(405, 110, 475, 140),
    Edges(515, 110, 585, 140),
}};
// Top-left points of the painted column labels.
inline constexpr std::array<QPoint, kParameters.size()> kLabelOrigins = {{
    {68, 80},
    {170, 80},
    {282, 80},
    {402, 80},
    {510, 80},
}};

inline constexpr QRect kAutoSendRect = Edges(150, 430, 300, 460);
inline constexpr QRect kSendAllRect = Edges(350, 430, 500, 460);
inline constexpr QRect kStartRect = Edges(550, 430, 650, 460);
inline constexpr QRect kStopRect = Edges(700, 430, 800, 460);

// Top-left points of status lines 1, 2 and 3.
inline constexpr std::array<QPoint, 3> kStatusOrigins = {{{50, 500}, {50, 520}, {50, 540}}};

// The USB symbol: the picture's top-left corner, and the click target, whose right and
// bottom edges are inclusive (51 x 51 pixels, one more each way than the 50 x 50 picture).
inline constexpr QPoint kUsbOrigin(50, 420);
inline constexpr int kUsbHitLeft = 50;
inline constexpr int kUsbHitTop = 420;
inline constexpr int kUsbHitRight = 100;
inline constexpr int kUsbHitBottom = 470;

// Highlight bars per selected group (left, top, width, height); up to three rectangles.
struct HighlightBars {
    std::array<QRect, 3> rects;
    int count;
};
inline constexpr QRect kLeftBar(67, 12, 94, 42);
inline constexpr QRect kRightBar(170, 12, 102, 42);
inline constexpr std::array<HighlightBars, kGroupCount> kHighlightBars = {{
    {{kLeftBar}, 1},
    {{kRightBar}, 1},
    {{QRect(282, 12, 103, 42)}, 1},
    {{QRect(401, 12, 84, 42)}, 1},
    {{QRect(509, 12, 87, 42)}, 1},
    {{QRect(67, 12, 90, 42)}, 1},
    {{kLeftBar, kRightBar}, 2},
    {{kLeftBar, kRightBar, QRect(283, 12, 104, 42)}, 3},
    {{QRect(553, 408, 245, 17)}, 1},
}};

}  // namespace kavel::geometry
