#include "tools/avr-board/real_time_bridge.h"

#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>

namespace kavel::avr {
namespace {

constexpr std::size_t kMaxPending = 4096;  // sketch output kept while nobody reads the port

std::uint64_t NowNs() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::uint64_t>(ts.tv_sec) * 1'000'000'000u +
           static_cast<std::uint64_t>(ts.tv_nsec);
}

}  // namespace

RealTimeBridge::RealTimeBridge(SimulatedBoard& board, board::PtyEndpoint& port,
                               board::SignalPipe& signals, LineSink out)
    : board_(board), port_(port), signals_(signals), out_(std::move(out)) {}

std::string RealTimeBridge::PinLine(const OutputChange& change) {
    char line[96];
    std::snprintf(line, sizeof line, "pins t=%.6f left=%d right=%d pwm=%d",
                  MicrosFromCycles(change.cycle) / 1e6, change.outputs.left ? 1 : 0,
                  change.outputs.right ? 1 : 0, change.outputs.pwm);
    return line;
}

int RealTimeBridge::Run() {
    const std::uint64_t start_ns = NowNs();
    const std::uint64_t start_cycle = board_.cycle();
    const std::uint64_t slice = CyclesFromMicros(kSliceMicros);
    while (!stop_) {
        if (!ReadPort()) return 1;
        const auto simulated_ns =
            static_cast<std::uint64_t>(MicrosFromCycles(board_.cycle() - start_cycle) * 1000);
        const std::uint64_t elapsed_ns = NowNs() - start_ns;
        if (simulated_ns > elapsed_ns) {
            if (!Wait(simulated_ns - elapsed_ns)) return 1;
            continue;
        }
        if (!board_.RunUntil(board_.cycle() + slice)) {
            std::fprintf(stderr, "kavel-avr-board: the simulated core stopped\n");
            return 1;
        }
        WritePort();
        Report();
        if (!Wait(0)) return 1;  // behind the wall clock: only look for signals
    }
    return 0;
}

bool RealTimeBridge::ReadPort() {
    std::array<char, 256> buffer{};
    for (;;) {
        std::string error;
        const ssize_t n = port_.Read(buffer.data(), buffer.size(), &error);
        if (n < 0) {
            if (port_.is_pty() && port_.Reattach(&error)) return true;
            std::fprintf(stderr, "kavel-avr-board: %s: %s\n", port_.path().c_str(),
                         error.c_str());
            return false;
        }
        if (n == 0) return true;
        board_.Send(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
    }
}

void RealTimeBridge::WritePort() {
    const std::string sent = board_.TakeOutput();
    for (char c : sent) {
        if (c == '\n') {
            if (!line_.empty() && line_.back() == '\r') line_.pop_back();
            out_("serial " + line_);
            line_.clear();
        } else {
            line_ += c;
        }
    }
    pending_out_ += sent;
    if (pending_out_.size() > kMaxPending) pending_out_.erase(0, pending_out_.size() - kMaxPending);
    if (pending_out_.empty()) return;
    const ssize_t n = ::write(port_.fd(), pending_out_.data(), pending_out_.size());
    if (n > 0) pending_out_.erase(0, static_cast<std::size_t>(n));
}

void RealTimeBridge::Report() {
    const auto& changes = board_.changes();
    for (; reported_ < changes.size(); ++reported_) out_(PinLine(changes[reported_]));
}

bool RealTimeBridge::Wait(std::uint64_t ns) {
    // Ahead of the wall clock: wait, but wake for input or a signal.
    const timespec timeout{static_cast<time_t>(ns / 1'000'000'000u),
                           static_cast<long>(ns % 1'000'000'000u)};
    std::array<pollfd, 2> fds{{{signals_.fd(), POLLIN, 0}, {port_.fd(), POLLIN, 0}}};
    if (::ppoll(fds.data(), fds.size(), &timeout, nullptr) < 0 && errno != EINTR) return false;
    if ((fds[0].revents & POLLIN) != 0) {
        for (int signal_number : signals_.Drain()) {
            if (signal_number == SIGINT || signal_number == SIGTERM) stop_ = true;
        }
    }
    return true;
}

}  // namespace kavel::avr
