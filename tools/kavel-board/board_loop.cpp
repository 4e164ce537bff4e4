#include "tools/kavel-board/board_loop.h"

#include <poll.h>
#include <signal.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace kavel::board {

BoardLoop::BoardLoop(PtyEndpoint& port, SignalPipe& signals, BoardSession& session, int idle_ms)
    : port_(port), signals_(signals), session_(session), idle_ms_(idle_ms) {}

int BoardLoop::Run() {
    bool paused = false;  // after a hang-up: wait a little before polling the port again
    for (;;) {
        std::array<pollfd, 2> fds{{{signals_.fd(), POLLIN, 0}, {port_.fd(), POLLIN, 0}}};
        const nfds_t count = paused ? 1 : 2;
        const int timeout = paused ? kHangupPauseMs : stream_.Pending() ? idle_ms_ : -1;
        const int ready = ::poll(fds.data(), count, timeout);
        if (ready < 0) {
            if (errno == EINTR) continue;
            std::fprintf(stderr, "kavel-board: poll: %s\n", std::strerror(errno));
            return 1;
        }
        if (ready == 0) {
            if (paused) {
                paused = false;
            } else {
                session_.Handle(stream_.OnIdle());
            }
            continue;
        }
        if ((fds[0].revents & POLLIN) != 0 && !HandleSignals()) return 0;
        if (count == 2 && fds[1].revents != 0 && !ReadPort()) {
            if (!port_.is_pty()) {
                std::fprintf(stderr, "kavel-board: %s hung up\n", port_.path().c_str());
                return 1;
            }
            // Normally not reached, since the held slave keeps the master alive; should it
            // happen anyway, take a new slave and look again shortly instead of spinning.
            std::string error;
            if (!port_.Reattach(&error)) {
                std::fprintf(stderr, "kavel-board: %s\n", error.c_str());
            }
            paused = true;
        }
    }
}

bool BoardLoop::ReadPort() {
    std::array<char, 4096> buffer{};
    for (;;) {
        std::string error;
        const ssize_t n = port_.Read(buffer.data(), buffer.size(), &error);
        if (n < 0) return false;
        if (n == 0) return true;
        session_.Handle(stream_.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(n))));
    }
}

bool BoardLoop::HandleSignals() {
    for (int signal_number : signals_.Drain()) {
        if (signal_number == SIGUSR1) {
            session_.PrintJsonState();
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace kavel::board
