#pragma once
// A shown panel against the fake platform services, and ways to click, type and look at it
// in client coordinates.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "core/parameters.h"
#include "panel/child_view.h"
#include "panel/panel_geometry.h"
#include "settings/port_settings_record.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {

inline constexpr QPoint kUsbCentre(75, 445);
inline constexpr QPoint kEmptySpot(700, 300);  // client point with no control on it

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

    // Widget coordinates of a client point.
    static QPoint At(QPoint client) {
        return client + QPoint(geometry::kClientEdge, geometry::kClientEdge);
    }

    void Click(Qt::MouseButton button, QPoint client) {
        QTest::mouseClick(panel.get(), button, Qt::NoModifier, At(client));
    }

    // Connects through the USB symbol and forgets what that recorded.
    void Connect() {
        Click(Qt::LeftButton, kUsbCentre);
        ASSERT_EQ(panel->m_connected, 1);
        fakes.serial.writes.clear();
        fakes.sleeper.pauses.clear();
    }

    QScrollBar* Bar(int parameter) const {
        const std::array<QScrollBar*, 5> bars = {panel->m_left_scroll, panel->m_right_scroll,
                                                 panel->m_duty_scroll, panel->m_smooth_scroll,
                                                 panel->m_offtime_scroll};
        return bars.at(static_cast<std::size_t>(parameter));
    }
    QLineEdit* Edit(int parameter) const {
        const std::array<QLineEdit*, 5> edits = {panel->m_left_edit, panel->m_right_edit,
                                                 panel->m_duty_edit, panel->m_smooth_edit,
                                                 panel->m_offtime_edit};
        return edits.at(static_cast<std::size_t>(parameter));
    }
    static int Limit(int parameter) {
        return ScrollLimit(kParameters.at(static_cast<std::size_t>(parameter)).maximum);
    }
    // The value a thumb stands for, and putting a thumb where a value says.
    int Value(int parameter) const { return Limit(parameter) - Bar(parameter)->value(); }
    void SetValue(int parameter, int value) { Bar(parameter)->setValue(Limit(parameter) - value); }

    std::vector<std::string> Writes() const { return fakes.serial.writes; }

    QImage Grab() const { return panel->grab().toImage(); }
    static QColor Pixel(const QImage& image, QPoint client) { return image.pixelColor(At(client)); }

    FakeServices fakes;
    std::unique_ptr<CChildView> panel;
};

// Where a scroll bar's part is, in the bar's own coordinates.
inline QRect ScrollBarPart(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace kavel::test
