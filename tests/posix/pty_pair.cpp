#include "tests/posix/pty_pair.h"

#include <poll.h>

#include <algorithm>
#include <array>

namespace kavel::test {
namespace {

constexpr int kIdleMs = 3000;  // generous: only a hang ends a read this way

}  // namespace

PtyPair::PtyPair() {
    std::string error;
    m_board = board::PtyEndpoint::CreatePty(&error);
    if (m_board) m_slave_path = m_board->path();
}

bool PtyPair::ReadSome(std::string& got, std::size_t limit, int wait_ms) {
    if (!m_board) return false;
    pollfd p{m_board->fd(), POLLIN, 0};
    if (poll(&p, 1, wait_ms) <= 0 || !(p.revents & POLLIN)) return false;
    std::array<char, 256> buffer{};
    std::string error;
    const ssize_t n = m_board->Read(buffer.data(), std::min(buffer.size(), limit), &error);
    if (n <= 0) return false;
    got.append(buffer.data(), static_cast<std::size_t>(n));
    return true;
}

std::string PtyPair::ReadExactly(std::size_t n) {
    std::string got;
    while (got.size() < n && ReadSome(got, n - got.size(), kIdleMs)) {
    }
    return got;
}

std::string PtyPair::ReadAvailable() {
    std::string got;
    while (ReadSome(got, 256, 0)) {
    }
    return got;
}

}  // namespace kavel::test
