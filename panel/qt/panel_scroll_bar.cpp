#include "panel/qt/panel_scroll_bar.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "core/parameters.h"
#include "panel/panel_texts.h"

namespace kavel {
namespace {

std::optional<int> CodeForAction(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return kLineUp;
        case QAbstractSlider::SliderSingleStepAdd:
            return kLineDown;
        case QAbstractSlider::SliderPageStepSub:
            return kPageUp;
        case QAbstractSlider::SliderPageStepAdd:
            return kPageDown;
        case QAbstractSlider::SliderToMinimum:
            return kTop;
        case QAbstractSlider::SliderToMaximum:
            return kBottom;
        case QAbstractSlider::SliderMove:
            return kThumbTrack;
        default:
            return std::nullopt;
    }
}

std::optional<int> CodeForKey(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            return kLineUp;
        case Qt::Key_Down:
        case Qt::Key_Right:
            return kLineDown;
        case Qt::Key_PageUp:
            return kPageUp;
        case Qt::Key_PageDown:
            return kPageDown;
        case Qt::Key_Home:
            return kTop;
        case Qt::Key_End:
            return kBottom;
        default:
            return std::nullopt;
    }
}

}  // namespace

PanelScrollBar::PanelScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    // No page size: the thumb keeps the style's smallest length, and the page step the owner
    // applies is its own.
    setPageStep(0);
    setSingleStep(kLineStep);
    connect(this, &QAbstractSlider::actionTriggered, this, &PanelScrollBar::OnAction);
}

void PanelScrollBar::Place(const QRect& rect) {
    m_place = rect;
    setGeometry(rect.left(), rect.top(), sizeHint().width(), rect.height());
}

// Qt has already moved the slider position when it reports an action: put it back and let
// the owner decide.
void PanelScrollBar::OnAction(int action) {
    const int asked = sliderPosition();
    setSliderPosition(value());
    if (const std::optional<int> code = CodeForAction(action)) emit Scrolled(*code, asked);
}

void PanelScrollBar::mousePressEvent(QMouseEvent* event) {
    QScrollBar::mousePressEvent(event);
    if (isSliderDown() || repeatAction() != SliderNoAction) {
        m_interaction = true;
        m_dragging = isSliderDown();
    }
}

void PanelScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    const bool ends = m_interaction && !(event->buttons() & ~event->button());
    QScrollBar::mouseReleaseEvent(event);
    if (!ends) return;
    m_interaction = false;
    if (m_dragging) emit Scrolled(kThumbPosition, sliderPosition());
    emit Scrolled(kEndScroll, sliderPosition());
}

void PanelScrollBar::keyPressEvent(QKeyEvent* event) {
    const std::optional<int> code = CodeForKey(event->key());
    if (!code) {
        event->ignore();
        return;
    }
    emit Scrolled(*code, sliderPosition());
}

void PanelScrollBar::keyReleaseEvent(QKeyEvent* event) {
    if (!CodeForKey(event->key())) {
        event->ignore();
        return;
    }
    if (!event->isAutoRepeat()) emit Scrolled(kEndScroll, sliderPosition());
}

// One notch is wheelScrollLines() line steps; a turn ends with one end-of-scroll. Steps beyond
// the whole range cannot move the thumb further, so a freak delta is cut to that.
void PanelScrollBar::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    if ((delta > 0) != (m_wheel_rest > 0)) m_wheel_rest = 0;  // turned the other way
    m_wheel_rest += delta;
    const long long notches = m_wheel_rest / QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0) return;
    m_wheel_rest -= notches * QWheelEvent::DefaultDeltasPerStep;
    const long long range = static_cast<long long>(maximum()) - minimum() + 1;
    const long long lines =
        std::min(std::llabs(notches) * std::max(QApplication::wheelScrollLines(), 1), range);
    const int code = notches > 0 ? kLineUp : kLineDown;
    for (long long i = 0; i < lines; ++i) emit Scrolled(code, sliderPosition());
    emit Scrolled(kEndScroll, sliderPosition());
}

void PanelScrollBar::contextMenuEvent(QContextMenuEvent* event) {
    QPointer<QMenu> menu = new QMenu(this);
    QAction* here = menu->addAction(QString::fromUtf8(panel_texts::kScrollHere));
    menu->addSeparator();
    QAction* top = menu->addAction(QString::fromUtf8(panel_texts::kScrollTop));
    QAction* bottom = menu->addAction(QString::fromUtf8(panel_texts::kScrollBottom));
    menu->addSeparator();
    QAction* page_up = menu->addAction(QString::fromUtf8(panel_texts::kPageUp));
    QAction* page_down = menu->addAction(QString::fromUtf8(panel_texts::kPageDown));
    menu->addSeparator();
    QAction* line_up = menu->addAction(QString::fromUtf8(panel_texts::kScrollUp));
    QAction* line_down = menu->addAction(QString::fromUtf8(panel_texts::kScrollDown));
    const QPoint point = event->pos();
    QAction* chosen = menu->exec(event->globalPos());
    if (!menu) return;  // the bar went away while the menu was up
    delete menu;
    if (chosen == nullptr) return;
    if (chosen == here) {
        emit Scrolled(kThumbPosition, PositionAt(point));
    } else {
        const std::array<std::pair<QAction*, int>, 6> codes = {{{top, kTop},
                                                                {bottom, kBottom},
                                                                {page_up, kPageUp},
                                                                {page_down, kPageDown},
                                                                {line_up, kLineUp},
                                                                {line_down, kLineDown}}};
        for (const auto& [action, code] : codes) {
            if (chosen == action) emit Scrolled(code, sliderPosition());
        }
    }
    emit Scrolled(kEndScroll, sliderPosition());
}

// The thumb position that centres the thumb on the point.
int PanelScrollBar::PositionAt(QPoint point) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
    const QRect thumb =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    const int span = groove.height() - thumb.height();
    return QStyle::sliderValueFromPosition(
        minimum(), maximum(), point.y() - groove.top() - thumb.height() / 2, std::max(span, 0));
}

void PanelScrollBar::hideEvent(QHideEvent* event) {
    m_interaction = false;  // Qt drops the press of a hidden bar
    QScrollBar::hideEvent(event);
}

void PanelScrollBar::changeEvent(QEvent* event) {
    QScrollBar::changeEvent(event);
    if (event->type() == QEvent::StyleChange && m_place.isValid()) Place(m_place);
}

}  // namespace kavel
