#pragma once
// How a look's colours draw in Qt: the widget style, the palette and the style sheet of the
// frame's bars, menus and tooltips.

#include <QColor>
#include <QPalette>
#include <QString>

#include "res/app_looks.h"

namespace kavel {

struct LookTheme {
    QString style_name;       // the widget style that draws the bars
    QPalette palette;         // bars, menus and tooltips
    QString style_sheet;      // menu bar, menus, toolbars and status bar
    QColor frame_background;  // the frame around the bars
};

LookTheme ThemeFor(const res::LookColours& colours);

}  // namespace kavel
