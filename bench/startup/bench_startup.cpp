// Starts the program as main() does, with the real platform services, and reports when the
// main window was first painted and how much memory the process holds one second later.
//
//   bench_startup [--launched-at-us=<microseconds since the epoch>]
//
// Prints startup_us=<launch to first paint> and rss_kb=<VmRSS one second after it>; see
// startup_probe.h for what is measured. bench_bare_window measures a bare main window the same
// way.

#include <cstdio>
#include <cstdlib>

#include <QApplication>

#include "app/qt/kavel_app.h"
#include "bench/startup/startup_probe.h"
#include "app/qt/system_services.h"

int main(int argc, char* argv[]) {
    StartupProbe probe(argc, argv);
    QApplication qt_app(argc, argv);
    kavel::SystemServices system;
    const kavel::Services services = system.services();

    kavel::CKavelApp app(services);
    // The frame calls this from a zero-time timer started in its first paint event.
    app.m_on_first_paint = [&probe] { probe.OnFirstPaint(); };
    if (!app.InitInstance()) {
        std::fprintf(stderr, "bench_startup: the main window could not be created\n");
        return EXIT_FAILURE;
    }
    app.Run();
    app.ExitInstance();
    return probe.Report();
}
