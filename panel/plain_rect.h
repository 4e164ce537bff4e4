#pragma once
// Points and rectangles in client-area pixels, without a toolkit; each front-end converts them.

namespace kavel {

struct Point {
    int x = 0;
    int y = 0;
    constexpr bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    constexpr bool operator==(const Size&) const = default;
};

// left, top, width and height; right and bottom are exclusive, as controls are created.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool Contains(Point p) const {
        return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
    }
    constexpr bool operator==(const Rect&) const = default;
};

// A rectangle given by its edges (right and bottom exclusive).
constexpr Rect Edges(int left, int top, int right, int bottom) {
    return Rect{left, top, right - left, bottom - top};
}

}  // namespace kavel
