#pragma once
// The look in force on the frame's bars, menus, status bar and tooltips: which visual manager
// (and Office 2007 style) is selected and the style, palette and style sheet it draws with.

#include <QColor>
#include <QPalette>
#include <QString>

#include "app/qt/app_looks.h"

class QStyle;
class QWidget;

namespace kavel {

class FrameLook {
public:
    // Selects the look of a command id; an id without a look selects Office 2007 and keeps
    // its style, as a stored value from elsewhere may ask.
    void Select(int command_id);

    // The look's style, palette and style sheet on a widget and all its children.
    void ApplyTo(QWidget* root) const;

    VisualManager Manager() const { return m_manager; }
    int Office2007Style() const { return m_office2007_style; }
    const QPalette& Palette() const { return m_palette; }
    const QColor& FrameBackground() const { return m_frame_background; }

private:
    VisualManager m_manager = VisualManager::VS2008;
    int m_office2007_style = kOffice2007Blue;
    QStyle* m_style = nullptr;
    QPalette m_palette;
    QString m_sheet;
    QColor m_frame_background;
};

}  // namespace kavel
