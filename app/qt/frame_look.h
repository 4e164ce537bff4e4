#pragma once
// The look in force on the frame's bars, menus, status bar and tooltips: the style, palette
// and style sheet the selected look draws with.

#include <QColor>
#include <QPalette>
#include <QString>

class QStyle;
class QWidget;

namespace kavel {

struct LookSelection;

class FrameLook {
public:
    void Select(const LookSelection& look);

    // The look's style, palette and style sheet on a widget and all its children.
    void ApplyTo(QWidget* root) const;

    const QPalette& Palette() const { return m_palette; }
    const QColor& FrameBackground() const { return m_frame_background; }

private:
    QStyle* m_style = nullptr;
    QPalette m_palette;
    QString m_sheet;
    QColor m_frame_background;
};

}  // namespace kavel
