#include "tests/posix/pty_pair.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <array>

namespace kavel::test {
namespace {

constexpr int kIdleMs = 3000;  // generous: only a hang ends a read this way

}  // namespace

PtyPair::PtyPair() {
    std::array<char, 256> name{};
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&m_master, &m_slave, name.data(), &raw, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    m_slave_path = name.data();
}

PtyPair::~PtyPair() {
    CloseMaster();
    if (m_slave >= 0) close(m_slave);
}

std::string PtyPair::ReadExactly(std::size_t n) {
    std::string got;
    std::array<char, 256> buffer{};
    while (got.size() < n) {
        pollfd p{m_master, POLLIN, 0};
        if (poll(&p, 1, kIdleMs) <= 0) break;
        const ssize_t r = read(m_master, buffer.data(), std::min(buffer.size(), n - got.size()));
        if (r <= 0) break;
        got.append(buffer.data(), static_cast<std::size_t>(r));
    }
    return got;
}

std::string PtyPair::ReadAvailable() {
    std::string got;
    std::array<char, 256> buffer{};
    pollfd p{m_master, POLLIN, 0};
    while (poll(&p, 1, 0) > 0 && (p.revents & POLLIN)) {
        const ssize_t r = read(m_master, buffer.data(), buffer.size());
        if (r <= 0) break;
        got.append(buffer.data(), static_cast<std::size_t>(r));
    }
    return got;
}

void PtyPair::CloseMaster() {
    if (m_master >= 0) close(m_master);
    m_master = -1;
}

}  // namespace kavel::test
