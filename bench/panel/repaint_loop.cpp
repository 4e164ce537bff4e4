#include "bench/panel/repaint_loop.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace kavel::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWarmUp = 10;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int RepaintsAsked(int argc, char** argv) {
    return argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRepaints;
}

void ShowExposed(QWidget& widget, QSize size) {
    widget.resize(size);
    widget.show();
    while (widget.windowHandle() == nullptr || !widget.windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
}

void TimeRepaints(QWidget& widget, int repaints) {
    for (int i = 0; i < kWarmUp; ++i) widget.repaint();
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(repaints));
    for (int i = 0; i < repaints; ++i) {
        const auto start = Clock::now();
        widget.repaint();
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::printf("panel_repaints %d\n", repaints);
    std::printf("panel_repaint_median_us %.1f\n", Median(micros));
}

}  // namespace kavel::bench
