#include "app/qt/frame_look.h"

#include <map>

#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QToolBar>
#include <QWidget>

#include "app/look_selection.h"

namespace kavel {
namespace {

// One instance of each widget style for the whole program; the bars of any frame share them.
// The application's own style serves when it is the one asked for.
QStyle* SharedStyle(const QString& name) {
    if (QApplication::style()->name().compare(name, Qt::CaseInsensitive) == 0)
        return QApplication::style();
    static std::map<QString, QPointer<QStyle>> styles;
    QPointer<QStyle>& style = styles[name];
    if (!style) {
        style = QStyleFactory::create(name);
        if (!style) style = QStyleFactory::create(QStringLiteral("Fusion"));
        if (style) style->setParent(qApp);
    }
    return style;
}

}  // namespace

void FrameLook::Select(const LookSelection& look) {
    const LookTheme theme = ThemeFor(ColoursOf(look));
    m_style = SharedStyle(theme.style_name);
    m_palette = theme.palette;
    m_sheets = theme.sheets;
    m_frame_background = theme.frame_background;
}

const QString& FrameLook::SheetFor(const QWidget* root) const {
    if (qobject_cast<const QMenuBar*>(root)) return m_sheets.menu_bar;
    if (qobject_cast<const QToolBar*>(root)) return m_sheets.tool_bar;
    if (qobject_cast<const QStatusBar*>(root)) return m_sheets.status_bar;
    return m_sheets.menu;
}

void FrameLook::ApplyTo(QWidget* root) const {
    if (!root || !m_style) return;
    const QString& sheet = SheetFor(root);
    if (root->styleSheet() != sheet) root->setStyleSheet(sheet);
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        // A widget never given a style of its own draws with the application's already.
        if (m_style != QApplication::style() || widget->testAttribute(Qt::WA_SetStyle))
            widget->setStyle(m_style);
        widget->setPalette(m_palette);
    }
}

}  // namespace kavel
