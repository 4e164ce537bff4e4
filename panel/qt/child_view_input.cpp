// Mouse buttons and the Enter key, handed to the rules in the platform's terms.

#include <QKeyEvent>
#include <QMouseEvent>

#include "panel/qt/child_view.h"
#include "panel/qt/control_id.h"
#include "panel/qt/plain_to_qt.h"

namespace kavel {
namespace {

// The platform's side-button numbers: 1 is the back button, 2 the forward one; 0 for any
// other button.
int SideButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::BackButton:
            return 1;
        case Qt::ForwardButton:
            return 2;
        default:
            return 0;
    }
}

}  // namespace

// A press on a control is the control's; the panel sees it only when the control passes it
// on, and then leaves it alone. A press on the sunken edge is a non-client press.
void CChildView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPoint pos = event->position().toPoint();
    if (childAt(pos) != nullptr) return;
    const int side = SideButton(event->button());
    if (!contentsRect().contains(pos)) {
        if (side != 0) m_panel.OnNcXButtonDown(side, FromQt(event->globalPosition().toPoint()));
        return;
    }
    const Point point = FromQt(pos - ClientOrigin());
    switch (event->button()) {
        case Qt::LeftButton:
            m_panel.OnLButtonDown(point);
            break;
        case Qt::RightButton:
            m_panel.OnRButtonDown(point);
            break;
        default:
            if (side != 0) m_panel.OnXButtonDown(side, point);
            break;
    }
}

// The window class takes double clicks: the second press of one arrives as a double click,
// which the panel leaves to default processing, that is, to nothing.
void CChildView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

bool CChildView::eventFilter(QObject* watched, QEvent* event) {
    return PreTranslateMessage(watched, event) || QFrame::eventFilter(watched, event);
}

// Either Enter key. A key goes to the widget with the keyboard focus, so the target is the
// focus window.
bool CChildView::PreTranslateMessage(QObject* target, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) m_panel.OnEnterKey(ControlId(target));
    return false;
}

}  // namespace kavel
