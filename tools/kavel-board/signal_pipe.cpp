#include "tools/kavel-board/signal_pipe.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace kavel::board {
namespace {

volatile sig_atomic_t g_write_fd = -1;

extern "C" void OnSignal(int signal_number) {
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal_number);
    // A full pipe drops the byte; the loop is then already behind and will wake anyway.
    [[maybe_unused]] const ssize_t n = ::write(g_write_fd, &byte, 1);
    errno = saved;
}

}  // namespace

SignalPipe::SignalPipe(const std::vector<int>& signals) : signals_(signals) {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) return;
    read_end_.Reset(fds[0]);
    write_end_.Reset(fds[1]);
    g_write_fd = fds[1];
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal_number : signals_) ::sigaction(signal_number, &action, nullptr);
}

SignalPipe::~SignalPipe() {
    for (int signal_number : signals_) ::signal(signal_number, SIG_DFL);
    g_write_fd = -1;
}

std::vector<int> SignalPipe::Drain() {
    std::vector<int> arrived;
    std::array<unsigned char, 64> bytes{};
    for (;;) {
        const ssize_t n = ::read(fd(), bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        arrived.insert(arrived.end(), bytes.begin(), bytes.begin() + n);
    }
    return arrived;
}

}  // namespace kavel::board
