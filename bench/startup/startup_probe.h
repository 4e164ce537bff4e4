#pragma once
// What both start-up benchmarks measure, taken the same way: the time from the launch to the
// main window's first paint, and the resident memory one second later.
//
// The launch time is the moment the caller started the process (--launched-at-us=<microseconds
// since the epoch>, run.sh passes it); without it, the kernel's record of the process start is
// used (10 ms resolution). The first paint counts once the main window's first paint event has
// returned and the event loop has run again (a zero-time timer started in that paint event),
// i.e. once the frame has been handed to the screen.

#include <optional>

class StartupProbe {
public:
    // Reads --launched-at-us from the command line (other arguments are left alone).
    StartupProbe(int argc, char* argv[]);

    // Call from a zero-time timer started in the main window's first paint event: takes the
    // time, reads the memory one second later and then ends the event loop.
    void OnFirstPaint();
    // Prints startup_us=..., cpu_us=... and rss_kb=...; the exit code: 0 when the time and
    // the memory were measured.
    int Report() const;

private:
    std::optional<long long> m_launched_at_us;
    long long m_startup_us = -1;
    long long m_cpu_us = -1;  // processor time of all threads until the first paint
    long m_rss_kb = -1;
};
