#pragma once
// The panel's plain points, rectangles and colours as Qt's.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "panel/panel_colours.h"
#include "panel/plain_rect.h"

namespace kavel {

constexpr QPoint ToQt(Point p) {
    return QPoint(p.x, p.y);
}
constexpr QSize ToQt(Size s) {
    return QSize(s.width, s.height);
}
constexpr QRect ToQt(const Rect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}
constexpr QColor ToQt(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}
constexpr Point FromQt(QPoint p) {
    return Point{p.x(), p.y()};
}

}  // namespace kavel
