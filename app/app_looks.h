#pragma once
// The application looks: one drawing theme for the frame's bars, menus and tooltips per
// visual manager. The control panel keeps its own look.

#include <QColor>
#include <QPalette>
#include <QString>

namespace kavel {

enum class VisualManager {
    Windows2000,  // the plain base look
    OfficeXP,
    WindowsXP,
    Office2003,
    VS2005,
    VS2008,
    Office2007,   // in one of the four styles below
    Windows7,
};

// The Office 2007 styles, numbered as the look commands pass them: silver is 3 and aqua is 2.
enum Office2007Style : int { kOffice2007Blue = 0, kOffice2007Black = 1, kOffice2007Aqua = 2,
                             kOffice2007Silver = 3 };

struct LookTheme {
    QString style_name;       // the widget style that draws the bars: "Windows" or "Fusion"
    QPalette palette;         // bars, menus and tooltips
    QString style_sheet;      // menu bar, menus, toolbars and status bar
    QColor frame_background;  // the frame around the bars
};

LookTheme ThemeFor(VisualManager manager, int office2007_style);

}  // namespace kavel
