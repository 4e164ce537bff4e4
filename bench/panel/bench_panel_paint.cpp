// Cost of one full repaint of the control panel offscreen: the panel's own painting (labels,
// status lines, USB symbol, highlight) and its fourteen controls, through Qt's backing store.
// Usage: bench_panel_paint [repaints]; prints the median in microseconds.

#include <QApplication>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "panel/qt/child_view.h"
#include "tests/panel/child_view_peer.h"
#include "tests/fakes/fake_services.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRepaints = 2000;
constexpr int kWarmUp = 10;  // fixed, so that callgrind.sh can subtract it away

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRepaints;
    QApplication app(argc, argv);

    kavel::test::FakeServices fakes;
    kavel::CChildView panel(fakes.services());
    panel.resize(panel.sizeHint());
    panel.show();
    while (panel.windowHandle() == nullptr || !panel.windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
    // A typical state: three bars, all status lines in use.
    Peer(panel).m_selected = 7;
    Peer(panel).m_status1 = "1. Connect";
    Peer(panel).m_status2 = "2. Connected";
    Peer(panel).m_status3 = "3.  4 bytes sent - l162";
    for (int i = 0; i < kWarmUp; ++i) panel.repaint();

    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(repaints));
    for (int i = 0; i < repaints; ++i) {
        const auto start = Clock::now();
        panel.repaint();
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::printf("panel_repaints %d\n", repaints);
    std::printf("panel_repaint_median_us %.1f\n", Median(micros));
    return 0;
}
