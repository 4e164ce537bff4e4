#pragma once
// A pseudo-terminal pair standing in for the board: the link opens the slave path, the test
// reads what arrives at the master. Built on kavel-board's own endpoint, so both set up a
// pty the same way (raw line, a held slave descriptor between opens).

#include <optional>
#include <string>

#include "tools/kavel-board/pty_endpoint.h"

namespace kavel::test {

class PtyPair {
public:
    PtyPair();

    const std::string& slave_path() const { return m_slave_path; }
    bool ok() const { return m_board.has_value(); }
    // Reads until n bytes arrived or a few seconds passed without any.
    std::string ReadExactly(std::size_t n);
    // Whatever is waiting right now.
    std::string ReadAvailable();

private:
    // What one read gives: false once the line hung up or nothing came within wait_ms.
    bool ReadSome(std::string& got, std::size_t limit, int wait_ms);

    std::optional<board::PtyEndpoint> m_board;
    std::string m_slave_path;
};

}  // namespace kavel::test
