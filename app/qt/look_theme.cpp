#include "app/qt/look_theme.h"

#include <string_view>

namespace kavel {
namespace {

QLatin1String Text(std::string_view text) {
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ColourOf(res::Colour colour) { return QColor(Text(colour)); }

QString Gradient(const res::Gradient& pair) {
    return QStringLiteral("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2)")
        .arg(Text(pair[0]), Text(pair[1]));
}

// A hovered item or button: the hot gradient, border and text.
QString HotRule(const QString& selector, const res::LookColours& c) {
    return QStringLiteral("%1 { background: %2; border-color: %3; color: %4; }\n")
        .arg(selector, Gradient(c.hot), Text(c.hot_border), Text(c.hot_text));
}

QString MenuBarRules(const res::LookColours& c, const QString& radius) {
    QString sheet;
    sheet += QStringLiteral("QMenuBar { background: %1; color: %2; border: none; }\n")
                 .arg(Gradient(c.menubar), Text(c.text));
    sheet += QStringLiteral(
                 "QMenuBar::item { background: transparent; padding: 3px 7px;"
                 " border: 1px solid transparent; border-radius: %1; }\n")
                 .arg(radius);
    sheet += HotRule(QStringLiteral("QMenuBar::item:selected"), c);
    sheet +=
        QStringLiteral(
            "QMenuBar::item:pressed { background: %1; border-color: %2;"
            " color: %3; }\n")
            .arg(Text(c.menu), Text(c.menu_border), Text(c.menu_text));
    return sheet;
}

QString MenuRules(const res::LookColours& c, const QString& radius) {
    QString sheet;
    sheet +=
        QStringLiteral(
            "QMenu { background: %1; color: %2; border: 1px solid %3;"
            " padding: 2px; }\n")
            .arg(Text(c.menu), Text(c.menu_text), Text(c.menu_border));
    sheet += QStringLiteral(
                 "QMenu::item { padding: 3px 24px 3px 26px;"
                 " border: 1px solid transparent; border-radius: %1; }\n")
                 .arg(radius);
    sheet += HotRule(QStringLiteral("QMenu::item:selected"), c);
    sheet += QStringLiteral(
                 "QMenu::item:disabled { color: #8d8d8d; }\n"
                 "QMenu::item:disabled:selected { background: transparent;"
                 " border-color: %1; }\n")
                 .arg(Text(c.menu_border));
    sheet += QStringLiteral(
                 "QMenu::separator { height: 1px; background: %1;"
                 " margin: 3px 2px 3px 26px; }\n")
                 .arg(Text(c.menu_border));
    return sheet;
}

QString ToolBarRules(const res::LookColours& c, const QString& radius) {
    QString sheet;
    sheet += QStringLiteral(
                 "QToolBar { background: %1; border: 1px solid %2;"
                 " border-radius: %3; spacing: 1px; padding: 1px; }\n")
                 .arg(Gradient(c.bar), Text(c.bar_border), radius);
    sheet += QStringLiteral(
                 "QToolBar QToolButton { background: transparent; color: %1;"
                 " border: 1px solid transparent; border-radius: %2;"
                 " padding: 2px; }\n")
                 .arg(Text(c.text), radius);
    sheet += HotRule(QStringLiteral("QToolBar QToolButton:hover"), c);
    sheet += QStringLiteral(
                 "QToolBar QToolButton:pressed, QToolBar QToolButton:checked"
                 " { background: %1; border-color: %2; }\n")
                 .arg(Text(c.pressed), Text(c.hot_border));
    sheet += QStringLiteral("QToolBar QToolButton:disabled { color: #8d8d8d; }\n");
    return sheet;
}

QString StatusBarRules(const res::LookColours& c) {
    return QStringLiteral(
               "QStatusBar { background: %1; color: %2; }\n"
               "QStatusBar QLabel { color: %2; }\n"
               "QStatusBar::item { border: none; }\n")
        .arg(Gradient(c.status), Text(c.status_text));
}

// Each bar gets only the rules that can match inside it: every style sheet is parsed and
// matched per widget it is set on, so the rules of the other bars would only cost time.
BarSheets SheetsFor(const res::LookColours& c) {
    const QString radius = QString::number(c.radius) + QStringLiteral("px");
    const QString menu = MenuRules(c, radius);
    return {MenuBarRules(c, radius) + menu, ToolBarRules(c, radius) + menu, StatusBarRules(c),
            menu};
}

QPalette PaletteFor(const res::LookColours& c) {
    const QColor face(Text(c.status[0]));
    QPalette palette(face, face);
    palette.setColor(QPalette::WindowText, ColourOf(c.text));
    palette.setColor(QPalette::ButtonText, ColourOf(c.text));
    palette.setColor(QPalette::Base, ColourOf(c.menu));
    palette.setColor(QPalette::Text, ColourOf(c.menu_text));
    palette.setColor(QPalette::Highlight, ColourOf(c.hot[1]));
    palette.setColor(QPalette::HighlightedText, ColourOf(c.hot_text));
    palette.setColor(QPalette::ToolTipBase, ColourOf(c.tooltip));
    palette.setColor(QPalette::ToolTipText, QColor(Qt::black));
    return palette;
}

}  // namespace

LookTheme ThemeFor(const res::LookColours& colours) {
    return {Text(colours.widget_style), PaletteFor(colours), SheetsFor(colours),
            ColourOf(colours.frame)};
}

}  // namespace kavel
