#pragma once
// The measuring loop the panel repaint benchmarks share: show a widget offscreen, repaint it a
// fixed number of times to warm up, then time each of the asked number of full repaints.

#include <QSize>

class QWidget;

namespace kavel::bench {

// How many repaints a run times when the command line names no number.
inline constexpr int kDefaultRepaints = 2000;

// The repaint count from the command line (argv[1]), at least 1.
int RepaintsAsked(int argc, char** argv);

// Shows the widget at a size and waits until it is exposed.
void ShowExposed(QWidget& widget, QSize size);

// Warms up (a fixed number of repaints, so that callgrind.sh can subtract them away), then
// repaints `repaints` times and prints the count and the median time in microseconds.
void TimeRepaints(QWidget& widget, int repaints);

}  // namespace kavel::bench
