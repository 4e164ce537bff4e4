// The floor under bench_panel_paint: a plain widget of the panel's size holding the same
// fourteen controls (Qt's own scroll bars, edits, check box and buttons) at the same places,
// with the same values and texts, painting nothing of its own. What a full repaint of it costs
// is what Qt needs for the controls alone.
// Usage: bench_panel_floor [repaints]; prints the median in microseconds.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include "bench/panel/repaint_loop.h"
#include "core/parameters.h"
#include "panel/panel_geometry.h"
#include "panel/panel_texts.h"
#include "panel/qt/plain_to_qt.h"

namespace {

using namespace kavel;

// The panel's sunken edge is this wide; its controls sit inside it.
constexpr int kEdge = 2;

QRect Placed(const Rect& client) { return ToQt(client).translated(kEdge, kEdge); }

void CreateControls(QWidget& floor) {
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        const Parameter& parameter = kParameters[i];
        auto* bar = new QScrollBar(Qt::Vertical, &floor);
        const QRect rect = Placed(geometry::kScrollRects[i]);
        bar->setGeometry(rect.left(), rect.top(), bar->sizeHint().width(), rect.height());
        bar->setRange(kScrollMinimum, parameter.maximum);
        bar->setPageStep(0);
        bar->setValue(parameter.initial_position);
        const int value = ValueAt(ScrollLimit(parameter.maximum), parameter.initial_position);
        auto* edit = new QLineEdit(QString::number(value), &floor);
        edit->setAlignment(Qt::AlignCenter);
        edit->setGeometry(Placed(geometry::kEditRects[i]));
    }
    auto* check = new QCheckBox(QString::fromUtf8(panel_texts::kAutoSend), &floor);
    check->setChecked(true);
    check->setGeometry(Placed(geometry::kAutoSendRect));
    const std::pair<const char*, Rect> buttons[] = {{panel_texts::kSendAll, geometry::kSendAllRect},
                                                    {panel_texts::kStart, geometry::kStartRect},
                                                    {panel_texts::kStop, geometry::kStopRect}};
    for (const auto& [text, rect] : buttons)
        (new QPushButton(QString::fromUtf8(text), &floor))->setGeometry(Placed(rect));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int repaints = bench::RepaintsAsked(argc, argv);
    QApplication app(argc, argv);

    QWidget floor;
    CreateControls(floor);
    bench::ShowExposed(floor, ToQt(geometry::kClientSize) + QSize(2 * kEdge, 2 * kEdge));
    bench::TimeRepaints(floor, repaints);
    return 0;
}
