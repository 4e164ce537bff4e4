#pragma once
// A pseudo-terminal pair standing in for the board: the link opens the slave path, the test
// reads what arrives at the master.

#include <string>

namespace kavel::test {

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& slave_path() const { return m_slave_path; }
    bool ok() const { return m_master >= 0; }
    // Reads until n bytes arrived or a few seconds passed without any.
    std::string ReadExactly(std::size_t n);
    // Whatever is waiting right now.
    std::string ReadAvailable();
    // Hangs up the board's side.
    void CloseMaster();

private:
    int m_master = -1;
    int m_slave = -1;  // kept open so the slave side stays usable between opens
    std::string m_slave_path;
};

}  // namespace kavel::test
