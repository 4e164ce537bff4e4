// Cost of one command from SendCommand to the bytes being readable at the other end of a
// pseudo-terminal, next to the time the same bytes take on a 115200 baud wire.

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/serial_link.h"
#include "platform/posix/posix_serial_device.h"
#include "core/port_settings_record.h"
#include "tests/fakes/fake_settings_store.h"
#include "tests/fakes/recorders.h"
#include "tests/posix/pty_pair.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 5000;
constexpr double kBitsPerByte = 10.0;  // start bit, 8 data bits, stop bit
constexpr double kBaud = 115200.0;

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    kavel::test::PtyPair pty;
    kavel::test::FakeSettingsStore settings;
    settings.Put(std::string(kavel::record::kKeyPath), "Port", pty.slave_path());
    kavel::posix::PosixSerialDevice device;
    kavel::test::MessageRecorder messages;
    kavel::test::SleepRecorder sleeper;  // the connect's pauses are not what is measured
    kavel::SerialLink link(device, settings, messages, sleeper);
    if (!pty.ok() || !link.OpenPort()) {
        std::fprintf(stderr, "cannot open a pseudo-terminal\n");
        return 1;
    }
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        link.Send('l', 162, true);
        if (pty.ReadExactly(4) != "l162") {
            std::fprintf(stderr, "lost bytes\n");
            return 1;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    const double wire = 4 * kBitsPerByte / kBaud * 1e6;
    std::printf("send_command_to_pty_median_us %.1f\n", Percentile(micros, 0.5));
    std::printf("send_command_to_pty_p99_us %.1f\n", Percentile(micros, 0.99));
    std::printf("wire_time_4_bytes_115200_us %.0f\n", wire);
    return 0;
}
