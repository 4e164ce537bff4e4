#pragma once
// How a look's colours draw in Qt: the widget style, the palette and the style sheet of the
// frame's bars, menus and tooltips.

#include <QColor>
#include <QPalette>
#include <QString>

#include "res/app_looks.h"

namespace kavel {

// The style sheet of each kind of bar, with the menu rules wherever a menu can open.
struct BarSheets {
    QString menu_bar;    // the menu bar and its menus
    QString tool_bar;    // a toolbar, its buttons and its customise menu
    QString status_bar;  // the status bar and its panes
    QString menu;        // a menu of its own (the bars' context menu)
};

struct LookTheme {
    QString style_name;       // the widget style that draws the bars
    QPalette palette;         // bars, menus and tooltips
    BarSheets sheets;         // menu bar, menus, toolbars and status bar
    QColor frame_background;  // the frame around the bars
};

LookTheme ThemeFor(const res::LookColours& colours);

}  // namespace kavel
