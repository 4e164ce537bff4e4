// Cost of one full repaint of the control panel offscreen: the panel's own painting (labels,
// status lines, USB symbol, highlight) and its fourteen controls, through Qt's backing store.
// Usage: bench_panel_paint [repaints]; prints the median in microseconds. bench_panel_floor
// measures the same controls without the panel's painting.

#include <QApplication>

#include "bench/panel/repaint_loop.h"
#include "panel/qt/child_view.h"
#include "tests/panel/child_view_peer.h"
#include "tests/fakes/fake_services.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int repaints = kavel::bench::RepaintsAsked(argc, argv);
    QApplication app(argc, argv);

    kavel::test::FakeServices fakes;
    kavel::CChildView panel(fakes.services());
    kavel::bench::ShowExposed(panel, panel.sizeHint());
    // A typical state: three bars, all status lines in use.
    Peer(panel).m_selected = 7;
    Peer(panel).m_status1 = "1. Connect";
    Peer(panel).m_status2 = "2. Connected";
    Peer(panel).m_status3 = "3.  4 bytes sent - l162";
    kavel::bench::TimeRepaints(panel, repaints);
    return 0;
}
