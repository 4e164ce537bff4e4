#include "bench/startup/startup_probe.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include <QApplication>
#include <QTimer>

namespace {

// How long after the first paint the memory is read: long enough for the work a start-up
// leaves queued (late layouts, the second paint) to have happened.
constexpr int kMemoryDelayMs = 1000;

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

StartupProbe::StartupProbe(int argc, char* argv[]) {
    constexpr const char* kFlag = "--launched-at-us=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kFlag, std::strlen(kFlag)) == 0)
            m_launched_at_us = std::atoll(argv[i] + std::strlen(kFlag));
    }
}

void StartupProbe::OnFirstPaint() {
    m_startup_us = m_launched_at_us ? NowUs(CLOCK_REALTIME) - *m_launched_at_us
                                    : SinceProcessStartUs().value_or(-1);
    m_cpu_us = NowUs(CLOCK_PROCESS_CPUTIME_ID);
    QTimer::singleShot(kMemoryDelayMs, [this] {
        m_rss_kb = ResidentKb();
        QApplication::quit();
    });
}

int StartupProbe::Report() const {
    std::printf("startup_us=%lld\ncpu_us=%lld\nrss_kb=%ld\n", m_startup_us, m_cpu_us, m_rss_kb);
    return m_startup_us >= 0 && m_rss_kb >= 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
