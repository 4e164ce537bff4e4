// Mouse buttons, the Enter key and the three push buttons.

#include <QKeyEvent>
#include <QMouseEvent>
#include <array>
#include <cstdio>
#include <optional>
#include <span>

#include "core/number_parse.h"
#include "core/parameters.h"
#include "panel/qt/child_view.h"
#include "panel/panel_geometry.h"
#include "panel/panel_texts.h"

namespace kavel {
namespace {

constexpr int kXButton1 = 1;  // back side button: step down
constexpr int kXButton2 = 2;  // forward side button: step up

// Formats a status line or message the way the program always has (printf rules).
QString Format(const char* format, int a, int b = 0) {
    std::array<char, 250> text{};
    std::snprintf(text.data(), text.size(), format, a, b);
    return QString::fromUtf8(text.data());
}

bool OnUsbSymbol(QPoint point) {
    return point.x() >= geometry::kUsbHitLeft && point.x() <= geometry::kUsbHitRight &&
           point.y() >= geometry::kUsbHitTop && point.y() <= geometry::kUsbHitBottom;
}

}  // namespace

void CChildView::RefreshAutoSend() {
    m_auto_send = m_auto_send_check->isChecked();
}

void CChildView::NotConnectedReport() {
    m_status1 = QString::fromUtf8(panel_texts::kNotConnected1);
    m_status2 = QString::fromUtf8(panel_texts::kNotConnected2);
    m_status3 = QString::fromUtf8(panel_texts::kNotConnected3);
    update();
}

// A press on a control is the control's; the panel sees it only when the control passes it
// on, and then leaves it alone. A press on the sunken edge is a non-client press.
void CChildView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QPoint pos = event->position().toPoint();
    if (childAt(pos) != nullptr) return;
    const bool client = contentsRect().contains(pos);
    const QPoint point = pos - ClientOrigin();
    const int side = event->button() == Qt::BackButton      ? kXButton1
                     : event->button() == Qt::ForwardButton ? kXButton2
                                                            : 0;
    if (!client) {
        if (side != 0) OnNcXButtonDown(side, event->globalPosition().toPoint());
        return;
    }
    switch (event->button()) {
        case Qt::LeftButton:
            OnLButtonDown(point);
            break;
        case Qt::RightButton:
            OnRButtonDown(point);
            break;
        default:
            if (side != 0) OnXButtonDown(side, point);
            break;
    }
}

// The window class takes double clicks: the second press of one arrives as a double click,
// which the panel leaves to default processing, that is, to nothing.
void CChildView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CChildView::OnLButtonDown(QPoint point) {
    m_status3 = Format(panel_texts::kLeftClickFormat, point.x(), point.y());
    if (OnUsbSymbol(point)) {
        if (!m_connected) {
            m_status1 = QString::fromUtf8(panel_texts::kConnecting);
            repaint();  // seen now, before the connect's pauses freeze the window
            const bool opened = OpenPort();
            m_status1 = QString::fromUtf8(panel_texts::kConnect);
            m_status2 =
                QString::fromUtf8(opened ? panel_texts::kConnected : panel_texts::kConnectFailed);
            m_connected = opened;
            // Why the device could not be opened, where the system says (the box only
            // names the port).
            if (!m_link.OpenFailureLine().empty())
                m_status3 = QString::fromStdString(m_link.OpenFailureLine());
        } else {
            m_status1 = QString::fromUtf8(panel_texts::kDisconnect);
            ClosePort();
            m_status2 = QString::fromUtf8(panel_texts::kDisconnected);
            m_connected = false;
        }
    }
    update();
}

void CChildView::OnRButtonDown(QPoint) {
    // Above 8 wraps to 0; written so that no value can overflow.
    m_selected = m_selected >= kGroupCount - 1 ? 0 : m_selected + 1;
    update();
}

void CChildView::OnXButtonDown(int nButton, QPoint) {
    if (m_selected < 0 || m_selected >= kGroupCount) {
        m_selected = kDefaultGroup;
    } else if (nButton == kXButton1 || nButton == kXButton2) {
        const bool up = nButton == kXButton2;
        if (m_selected == kStartStopGroup) {
            up ? OnStart() : OnStop();
        } else {
            StepGroup(m_selected, up);
        }
    }
    RefreshAutoSend();
}

void CChildView::OnNcXButtonDown(int nButton, QPoint) {
    m_services.messages.Show(Format(panel_texts::kNcXButtonFormat, nButton).toStdString(),
                             MessageIcon::None);
}

// Moves every member of the group by the same amount, the largest that keeps each inside its
// range, and sends each new value; at a bound the unchanged value is sent again.
void CChildView::StepGroup(int selected, bool up) {
    const Group& group = GroupFor(selected);
    const auto count = static_cast<std::size_t>(group.count);
    std::array<int, 3> values{};
    std::array<int, 3> limits{};
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = ParameterValue(group.members[i]);
        limits[i] = ScrollLimit(ScrollBar(group.members[i])->maximum());
    }
    const std::span<const int> value_span(values.data(), count);
    const int move =
        up ? StepUpMove(value_span, std::span<const int>(limits.data(), count), group.step)
           : StepDownMove(value_span, group.step);
    for (std::size_t i = 0; i < count; ++i) {
        const int parameter = group.members[i];
        const int value = up ? values[i] + move : values[i] - move;
        ScrollBar(parameter)->setValue(PositionFor(limits[i], value));
        Edit(parameter)->setText(QString::number(value));
        SendCommand(kParameters[static_cast<std::size_t>(parameter)].letter, CommandNumber(value));
    }
}

void CChildView::OnSendAll() {
    if (!m_connected) {
        NotConnectedReport();
        return;
    }
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        SendCommand(kParameters[i].letter, CommandNumber(ParameterValue(static_cast<int>(i))));
        m_services.sleeper.Sleep(kSendAllPauseMs);
    }
    update();
}

void CChildView::OnStart() {
    if (!m_connected) {
        NotConnectedReport();
        return;
    }
    SendCommand(kStartStopLetter, kStartNumber);
}

void CChildView::OnStop() {
    if (!m_connected) {
        NotConnectedReport();
        return;
    }
    SendCommand(kStartStopLetter, kStopNumber);
}

bool CChildView::eventFilter(QObject* watched, QEvent* event) {
    return PreTranslateMessage(watched, event) || QFrame::eventFilter(watched, event);
}

// Enter (either key) applies the number typed into the focused edit box. The event goes on
// to the control all the same.
bool CChildView::PreTranslateMessage(QObject* target, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    RefreshAutoSend();
    // The key goes to the widget with the keyboard focus, so the target is the focus window.
    const auto* focus = qobject_cast<const QWidget*>(target);
    if (focus == nullptr) return false;
    const std::optional<int> parameter = ParameterByEditId(ControlId(focus));
    if (parameter) ApplyTypedNumber(*parameter, Edit(*parameter)->text());
    return false;
}

// A text that is not a number, or a number that does not fit an int, reads as 0. The thumb
// stops at the end of its track; the number goes out as typed (the duty cycle held to
// 0 .. 100). The box keeps the text.
void CChildView::ApplyTypedNumber(int parameter, const QString& text) {
    const int typed = TypedValue(parameter, ParseDialogInt(text.toStdString()));
    QScrollBar* bar = ScrollBar(parameter);
    bar->setValue(
        PositionForTyped(ScrollLimit(bar->maximum()), typed, bar->minimum(), bar->maximum()));
    if (!m_auto_send) return;
    if (!m_connected) {
        NotConnectedReport();
        return;
    }
    SendCommand(kParameters[static_cast<std::size_t>(parameter)].letter, CommandNumber(typed));
}

}  // namespace kavel
