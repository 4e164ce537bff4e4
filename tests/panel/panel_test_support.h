#pragma once
// A shown panel against the fake platform services, with ways to click, type and look at it
// in client coordinates.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "core/parameters.h"
#include "panel/qt/child_view.h"
#include "tests/panel/child_view_peer.h"
#include "core/port_settings_record.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {

using Cmds = std::vector<std::string>;
inline constexpr QPoint kUsbCentre(75, 445);
inline constexpr QPoint kEmptySpot(700, 300);  // no control there
inline constexpr char kNotConnected1[] = "1. Can't send, the comm port is not connected";
inline constexpr char kLinkRefusal[] = "3. Can't send, the comms port is not open";

class PanelTest : public testing::Test {
protected:
    PanelTest() {
        fakes.settings.Put(std::string(record::kKeyPath), std::string(record::kPort), "Com5");
        panel = std::make_unique<CChildView>(fakes.services());
        panel->resize(panel->sizeHint());
        panel->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
        panel->repaint();
    }

    static QPoint At(QPoint client) { return client + QPoint(2, 2); }  // inside the edge
    void Click(Qt::MouseButton button, QPoint client) {
        QTest::mouseClick(panel.get(), button, Qt::NoModifier, At(client));
    }
    void Connect() {  // through the USB symbol, forgetting what that recorded
        Click(Qt::LeftButton, kUsbCentre);
        ASSERT_EQ(Peer(*panel).m_connected, 1);
        fakes.serial.writes.clear();
        fakes.sleeper.pauses.clear();
    }

    QScrollBar* Bar(int p) const {
        return std::array<QScrollBar*, 5>{Peer(*panel).m_left_scroll, Peer(*panel).m_right_scroll,
                                          Peer(*panel).m_duty_scroll, Peer(*panel).m_smooth_scroll,
                                          Peer(*panel).m_offtime_scroll}[static_cast<std::size_t>(p)];
    }
    QLineEdit* Edit(int p) const {
        return std::array<QLineEdit*, 5>{Peer(*panel).m_left_edit, Peer(*panel).m_right_edit,
                                         Peer(*panel).m_duty_edit, Peer(*panel).m_smooth_edit,
                                         Peer(*panel).m_offtime_edit}[static_cast<std::size_t>(p)];
    }
    static int Limit(int p) { return kParameters[static_cast<std::size_t>(p)].maximum + 1; }
    int Value(int p) const { return Limit(p) - Bar(p)->value(); }
    void SetValue(int p, int value) { Bar(p)->setValue(Limit(p) - value); }
    Cmds Writes() const { return fakes.serial.writes; }
    QColor Pixel(QPoint client) const { return panel->grab().toImage().pixelColor(At(client)); }

    FakeServices fakes;
    std::unique_ptr<CChildView> panel;
};

// Where a part of a scroll bar is, in the bar's coordinates.
inline QRect ScrollBarPart(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace kavel::test
