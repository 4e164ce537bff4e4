// Starts a bare Qt main window (bare_window.h) and reports, exactly as bench_startup does for
// Kavel, when it was first painted and how much memory the process holds one second later.
//
//   bench_bare_window [--launched-at-us=<microseconds since the epoch>]

#include <QApplication>

#include "bench/startup/bare_window.h"
#include "bench/startup/startup_probe.h"

int main(int argc, char* argv[]) {
    StartupProbe probe(argc, argv);
    QApplication qt_app(argc, argv);
    BareWindow window([&probe] { probe.OnFirstPaint(); });
    window.show();
    QApplication::exec();
    return probe.Report();
}
