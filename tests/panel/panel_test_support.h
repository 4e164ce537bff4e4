#pragma once
// A shown Qt panel against the fake platform services, with ways to click it in client
// coordinates and to find the parts of its scroll bars.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "core/port_settings_record.h"
#include "panel/qt/child_view.h"
#include "tests/fakes/fake_services.h"
#include "tests/panel/child_view_peer.h"

namespace kavel::test {

using Cmds = std::vector<std::string>;
inline constexpr QPoint kUsbCentre(75, 445);
inline constexpr QPoint kEmptySpot(700, 300);  // no control there

class PanelTest : public testing::Test {
protected:
    PanelTest() {
        fakes.settings.Put(std::string(record::kKeyPath), std::string(record::kPort), "Com5");
        panel->resize(panel->sizeHint());
        panel->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }
    static QPoint At(QPoint client) { return client + QPoint(2, 2); }  // inside the edge
    void Click(Qt::MouseButton button, QPoint client) {
        QTest::mouseClick(panel.get(), button, Qt::NoModifier, At(client));
    }

    FakeServices fakes;
    std::unique_ptr<CChildView> panel = std::make_unique<CChildView>(fakes.services());
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
