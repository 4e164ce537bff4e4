// Starts the program as main() does, with the real platform services, and reports when the
// main window was first painted and how much memory the process holds one second later.
//
//   bench_startup [--launched-at-us=<microseconds since the epoch>]
//
// The launch time is the moment the caller started this process (run.sh passes it); without
// it, the kernel's record of the process start is used (10 ms resolution). Prints
//   startup_us=<process start to first paint>
//   rss_kb=<VmRSS one second after the first paint>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include <QApplication>
#include <QTimer>

#include "app/kavel_app.h"
#include "app/system_services.h"

namespace {

long long NowUs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

// Microseconds since the process started, from /proc/self/stat (field 22: start time in clock
// ticks after boot) against the boot-time clock.
std::optional<long long> SinceProcessStartUs() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line)) return std::nullopt;
    const auto close = line.rfind(')');  // the command name may hold blanks
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i == 22) {
            const long long ticks = std::atoll(field.c_str());
            const long long start_us = ticks * 1000000 / sysconf(_SC_CLK_TCK);
            return NowUs(CLOCK_BOOTTIME) - start_us;
        }
    }
    return std::nullopt;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::optional<long long> launched_at_us;
    for (int i = 1; i < argc; ++i) {
        constexpr const char* kFlag = "--launched-at-us=";
        if (std::strncmp(argv[i], kFlag, std::strlen(kFlag)) == 0)
            launched_at_us = std::atoll(argv[i] + std::strlen(kFlag));
    }

    QApplication qt_app(argc, argv);
    kavel::SystemServices system;
    const kavel::Services services = system.services();

    long long startup_us = -1;
    long rss_kb = -1;
    kavel::CKavelApp app(services);
    app.m_on_first_paint = [&] {
        if (launched_at_us) {
            startup_us = NowUs(CLOCK_REALTIME) - *launched_at_us;
        } else {
            startup_us = SinceProcessStartUs().value_or(-1);
        }
        QTimer::singleShot(1000, [&] {
            rss_kb = ResidentKb();
            QApplication::quit();
        });
    };
    if (!app.InitInstance()) {
        std::fprintf(stderr, "bench_startup: the main window could not be created\n");
        return EXIT_FAILURE;
    }
    app.Run();
    app.ExitInstance();
    std::printf("startup_us=%lld\nrss_kb=%ld\n", startup_us, rss_kb);
    return startup_us >= 0 && rss_kb >= 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
