#pragma once
// The application looks: one drawing theme for the frame's bars, menus and tooltips per
// visual manager, all in one table. The control panel keeps its own look.

#include <QColor>
#include <QPalette>
#include <QString>
#include <span>
#include <string_view>

namespace kavel {

enum class VisualManager {
    Windows2000,  // the plain base look
    OfficeXP,
    WindowsXP,
    Office2003,
    VS2005,
    VS2008,
    Office2007,  // in one of the four styles below
    Windows7,
};

// The Office 2007 styles, numbered as the look commands pass them: silver is 3 and aqua is 2.
enum Office2007Style : int {
    kNotOffice2007 = -1,  // a look of another manager
    kOffice2007Blue = 0,
    kOffice2007Black = 1,
    kOffice2007Aqua = 2,
    kOffice2007Silver = 3
};

// The colours one look is made of. Pairs are the top and bottom of a vertical gradient.
struct LookColours {
    const char* style;
    const char* text;  // text on the bars
    const char* menubar[2];
    const char* bar[2];
    const char* bar_border;
    const char* menu;  // drop-down menus: background, text, border
    const char* menu_text;
    const char* menu_border;
    const char* hot[2];  // hovered item or button
    const char* hot_border;
    const char* hot_text;
    const char* pressed;
    const char* status[2];
    const char* status_text;
    const char* frame;
    const char* tooltip;
    int radius;
};

// One application look: its command, where the View menu offers it, and how it draws.
struct AppLook {
    int command_id;
    std::string_view menu_text;  // empty: no menu item (reachable through the profile only)
    std::string_view submenu;    // the pop-up under "Application Look" holding it, or empty
    VisualManager manager;
    int office2007_style;  // the Office 2007 style it selects; -1 for other managers
    const LookColours& colours;
};

// Every look, in menu order.
std::span<const AppLook> AppLooks();
// The look of a command id; null for ids without one.
const AppLook* FindLook(int command_id);
// The look commands: every id from the lowest to the highest look's, as the frame routes them.
bool IsLookCommand(int id);

struct LookTheme {
    QString style_name;       // the widget style that draws the bars: "Windows" or "Fusion"
    QPalette palette;         // bars, menus and tooltips
    QString style_sheet;      // menu bar, menus, toolbars and status bar
    QColor frame_background;  // the frame around the bars
};

// The theme of a visual manager; office2007_style picks among the Office 2007 looks (blue when
// it names none of them).
LookTheme ThemeFor(VisualManager manager, int office2007_style);

}  // namespace kavel
