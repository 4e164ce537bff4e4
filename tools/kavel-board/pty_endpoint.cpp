#include "tools/kavel-board/pty_endpoint.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace kavel::board {
namespace {

struct BaudRate {
    int baud;
    speed_t speed;
};

constexpr std::array<BaudRate, 12> kBaudRates{{
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
    {460800, B460800},
    {500000, B500000},
    {1000000, B1000000},
}};

std::string Failure(const std::string& what) { return what + ": " + std::strerror(errno); }

// Raw 8N1, receiver on, modem lines ignored. VMIN stays 1 (as cfmakeraw sets it): with
// VMIN 0 a terminal read returns 0 when nothing is there, which would look like a hang-up;
// with VMIN 1 and O_NONBLOCK it fails with EAGAIN instead.
bool MakeRaw(int fd, std::optional<speed_t> speed, std::string* error) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        *error = Failure("tcgetattr");
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    if (speed && (::cfsetispeed(&tio, *speed) != 0 || ::cfsetospeed(&tio, *speed) != 0)) {
        *error = Failure("cfsetspeed");
        return false;
    }
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        *error = Failure("tcsetattr");
        return false;
    }
    return true;
}

}  // namespace

bool PtyEndpoint::IsSupportedBaud(int baud) {
    for (const BaudRate& rate : kBaudRates) {
        if (rate.baud == baud) return true;
    }
    return false;
}

std::optional<PtyEndpoint> PtyEndpoint::CreatePty(std::string* error) {
    PtyEndpoint endpoint;
    endpoint.is_pty_ = true;
    endpoint.fd_.Reset(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!endpoint.fd_.valid()) {
        *error = Failure("posix_openpt");
        return std::nullopt;
    }
    const int master = endpoint.fd();
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        *error = Failure("grantpt/unlockpt");
        return std::nullopt;
    }
    std::array<char, 128> name{};
    if (::ptsname_r(master, name.data(), name.size()) != 0) {
        *error = Failure("ptsname_r");
        return std::nullopt;
    }
    endpoint.path_ = name.data();
    if (!endpoint.Reattach(error)) return std::nullopt;
    // The line discipline sits on the slave side; setting it through the master is enough.
    if (!MakeRaw(master, std::nullopt, error)) return std::nullopt;
    const int flags = ::fcntl(master, F_GETFL);
    if (flags < 0 || ::fcntl(master, F_SETFL, flags | O_NONBLOCK) != 0) {
        *error = Failure("fcntl");
        return std::nullopt;
    }
    return endpoint;
}

std::optional<PtyEndpoint> PtyEndpoint::OpenDevice(const std::string& path, int baud,
                                                   std::string* error) {
    std::optional<speed_t> speed;
    for (const BaudRate& rate : kBaudRates) {
        if (rate.baud == baud) speed = rate.speed;
    }
    if (!speed) {
        *error = "unsupported speed " + std::to_string(baud);
        return std::nullopt;
    }
    PtyEndpoint endpoint;
    endpoint.path_ = path;
    endpoint.fd_.Reset(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!endpoint.fd_.valid()) {
        *error = Failure("cannot open " + path);
        return std::nullopt;
    }
    if (::isatty(endpoint.fd()) && !MakeRaw(endpoint.fd(), speed, error)) {
        *error = path + ": " + *error;
        return std::nullopt;
    }
    return endpoint;
}

ssize_t PtyEndpoint::Read(char* buffer, std::size_t size, std::string* error) {
    for (;;) {
        const ssize_t n = ::read(fd(), buffer, size);
        if (n > 0) return n;
        if (n == 0) {
            *error = "end of file";
            return -1;
        }
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        *error = std::strerror(errno);
        return -1;
    }
}

bool PtyEndpoint::Reattach(std::string* error) {
    if (!is_pty_) {
        *error = "not a pseudo-terminal";
        return false;
    }
    held_slave_.Reset(::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!held_slave_.valid()) {
        *error = Failure("cannot open " + path_);
        return false;
    }
    return true;
}

}  // namespace kavel::board
