#pragma once
// The look in force on the frame's bars, menus, status bar and tooltips: the style, palette
// and style sheet the selected look draws with.

#include <QColor>
#include <QPalette>
#include <QString>

#include "app/qt/look_theme.h"

class QStyle;
class QWidget;

namespace kavel {

struct LookSelection;

class FrameLook {
public:
    void Select(const LookSelection& look);

    // The look's style, palette and style sheet (the one for the widget's kind of bar) on a
    // widget and all its children.
    void ApplyTo(QWidget* root) const;

    const QPalette& Palette() const { return m_palette; }
    const QColor& FrameBackground() const { return m_frame_background; }

private:
    // The sheet for a bar, by its kind; a menu's own for anything else.
    const QString& SheetFor(const QWidget* root) const;

    QStyle* m_style = nullptr;
    QPalette m_palette;
    BarSheets m_sheets;
    QColor m_frame_background;
};

}  // namespace kavel
