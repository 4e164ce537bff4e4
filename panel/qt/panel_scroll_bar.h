#pragma once
// A vertical scroll bar whose thumb only its owner moves. Whatever the user does to it (arrows,
// page areas, dragging the thumb, keys, the wheel, the context menu) is reported as a scroll
// code (core/parameters.h) and the owner decides where the thumb goes. When an interaction
// ends (mouse or key release, after a wheel turn, after a menu command) the end-of-scroll code
// follows, as it does on the platform the program was first written for.

#include <QScrollBar>
#include <optional>

namespace kavel {

class PanelScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit PanelScrollBar(QWidget* parent);

    // Places the bar with its left edge and height from the rectangle and the style's width.
    void Place(const QRect& rect);

signals:
    // code: a ScrollCode; position: the thumb position asked for (used by the two thumb
    // codes, else the current position).
    void Scrolled(int code, int position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void OnAction(int action);
    int PositionAt(QPoint point) const;

    QRect m_place;
    bool m_interaction = false;  // a mouse press started scrolling; its release ends it
    bool m_dragging = false;     // ... and it was on the thumb
    long long m_wheel_rest = 0;  // wheel movement short of one notch
};

}  // namespace kavel
