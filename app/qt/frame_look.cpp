#include "app/qt/frame_look.h"

#include <map>

#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include "app/look_selection.h"
#include "app/qt/look_theme.h"

namespace kavel {
namespace {

// One instance of each widget style for the whole program; the bars of any frame share them.
QStyle* SharedStyle(const QString& name) {
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
    m_sheet = theme.style_sheet;
    m_frame_background = theme.frame_background;
}

void FrameLook::ApplyTo(QWidget* root) const {
    if (!root || !m_style) return;
    if (root->styleSheet() != m_sheet) root->setStyleSheet(m_sheet);
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        widget->setStyle(m_style);
        widget->setPalette(m_palette);
    }
}

}  // namespace kavel
